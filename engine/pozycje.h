#pragma once
// Apparent geocentric positions of the chart's bodies at the birth moment and
// 54 minutes later, their declinations and retrograde motion, and the
// declinations of the four angles left by the house step.
#include "katy.h"
#include "rekordy_silnika.h"

namespace obliczenia {

// Body index of the positions loop (not the chart's point numbers).
enum TCialo : int {
  CialoSlonce = 0,
  CialoMerkury = 1,
  CialoWenus = 2,
  CialoZiemia = 3,
  CialoMars = 4,
  CialoJowisz = 5,
  CialoSaturn = 6,
  CialoUran = 7,
  CialoNeptun = 8,
  CialoPluton = 9,
};

enum class TTrybGeocentryczny : int {
  Geometryczny = 0,
  CzasSwiatla = 1,
  CzasSwiatlaIAberracja = 2,
};

struct TGeocentryczne {
  TWektor Wektor; // ecliptic, AU
  double Odleglosc = 0.0;
};

// The geocentric vector of a body from its heliocentric (L, B, R) and the
// Sun's geocentric (LS, BS, RS), optionally corrected for light time and the
// aberration of the Earth's motion.
TGeocentryczne Geocentryczne(double T, double L, double B, double R, double LS, double BS,
                             double RS, int cialo, TTrybGeocentryczny tryb);

struct TDeklinacjaPunktu {
  double Deklinacja = 0.0; // radians
  double Szer = 0.0;       // radians
};

// Declination of an ecliptic longitude (radians, 0 <= lambda < 2pi), taken
// from the Sun when it stands at that longitude in the chart's year.
TDeklinacjaPunktu DeklinacjaPunktu(double lambda, double T);
// The same with the rotations of T already prepared.
TDeklinacjaPunktu DeklinacjaPunktu(double lambda, double T, const TObrotyDaty& obroty);

// Longitudes in degrees at the birth moment and 54 minutes later.
bool CzyRetro(double dlug1, double dlug2);

// Fills points 1..12 and the declinations of points 13..16, whose longitudes
// (radians) the house step has already put into the record.
void ObliczPozycje(const TMomentUrodz& moment, TPozycjeCial& pozycje);

} // namespace obliczenia
