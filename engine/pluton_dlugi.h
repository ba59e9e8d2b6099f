#pragma once
// Long-range low-precision theory of Pluto, for instants outside the window of
// the Pluto series (before 1890 and from 2100): geocentric ecliptic longitude
// and latitude of date (with nutation in longitude, no aberration) and the
// declination, at the instant and 33 minutes later.
namespace obliczenia {

// Degrees; Dlug and DlugPozniej in [0, 360).
struct TPlutonDlugookresowy {
  double Dlug = 0.0;
  double Szer = 0.0;
  double Deklinacja = 0.0;
  double DlugPozniej = 0.0; // 33 minutes later
  double DeklinacjaPozniej = 0.0;
  bool Retro = false; // longitude decreasing over those 33 minutes
};

// Gregorian UT date and hours of the chart instant.
TPlutonDlugookresowy PlutonDlugookresowy(int rok, int miesiac, int dzien, double godziny);

// The geocentric longitude, latitude and declination, degrees, for a true
// Julian Day (the instant's dynamical and universal time taken as equal).
struct TPolozeniePlutona {
  double Dlug = 0.0;
  double Szer = 0.0;
  double Deklinacja = 0.0;
};
TPolozeniePlutona PlutonDlugookresowyJD(double jd);

} // namespace obliczenia
