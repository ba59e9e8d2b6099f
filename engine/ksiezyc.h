#pragma once
// Geocentric position of the Moon and its mean ascending node, mean ecliptic
// and equinox of date.
namespace obliczenia {

struct TKsiezyc {
  double Dlug = 0.0;            // radians, not reduced (may fall just outside [0, 2pi))
  double Szer = 0.0;            // radians
  double R = 0.0;               // Earth radii
  double Wezel = 0.0;           // mean ascending node, radians, 0 <= x <= 2pi
  double SzerWezla = 0.0;       // of the node point, radians (see DeklinacjaPunktu)
  double DeklinacjaWezla = 0.0; // radians
};

// T: centuries from J2000 ((MJD - 51544.5) / 36525).
TKsiezyc MoonSeries(double T);

} // namespace obliczenia
