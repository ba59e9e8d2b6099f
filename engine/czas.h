#pragma once
// Time arguments of the engine: universal-time date and hour of a birth,
// Modified and true Julian Day, centuries from J2000 and from 1900, and the
// local sidereal angle. Universal time is used as is (no dynamical time).
#include "data_czas.h"
#include "rekordy_silnika.h"

namespace obliczenia {

// A calendar date with the universal-time hour of day, 0 <= Godziny < 24.
struct TDataUT {
  double Godziny = 0.0;
  int Dzien = 1;
  int Miesiac = 1;
  int Rok = 2000;
  friend bool operator==(const TDataUT&, const TDataUT&) = default;
};

inline constexpr double MJDEpokiJ2000 = 51544.5;
inline constexpr double JDEpoki1900 = 2415020.0;
inline constexpr double RoznicaJDiMJD = 2400000.5;
inline constexpr double DniWStuleciu = 36525.0;

// Local clock time to universal time, rolling the date over by at most one day
// (Gregorian leap years).
TDataUT RozbijDate(const TMomentUrodz& moment);

// Days since 1858-11-17 0h UT; Julian calendar up to 1582-10-04, Gregorian after.
double ObliczMJD(int dzien, int miesiac, int rok, double godziny);
TDataUT DataZMJD(double mjd);

// The true Julian Day of a UT date and hour.
double ObliczJD(int rok, int miesiac, int dzien, double godziny);

// Julian centuries from J2000.0 (series and transforms) and from 1900 January
// 0.5 (house cusps and sidereal time).
inline double T2000ZMJD(double mjd) {
  return (mjd - MJDEpokiJ2000) / DniWStuleciu;
}
inline double T1900ZJD(double jd) {
  return (jd - JDEpoki1900) / DniWStuleciu;
}

// Local sidereal angle in degrees, [0, 360); dlug in arc minutes, west positive.
double KatGwiazdowy(double t1900, double godzinyUT, int dlug);

// Local sidereal time of the birth moment as hours and minutes (seconds 0).
TCzasZegarowy ObliczCzasGwiazdowy(const TMomentUrodz& moment);

} // namespace obliczenia
