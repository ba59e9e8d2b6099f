#pragma once
// The reference ephemeris (Swiss Ephemeris, analytical Moshier mode) as the
// series tests need it: geometric positions of the mean ecliptic and equinox
// of date, called with dynamical time equal to the engine's time argument.
#include "katy.h"
#include "szeregi.h"

#include <swephexp.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace wzorzec {

inline double JDZ(double t) {
  return 2451545.0 + t * 36525.0;
}

// Geocentric (the Sun) or heliocentric (the planets) L, B radians, R AU.
inline obliczenia::TPolozenieSzeregu Geometryczne(int cialo, double t, bool heliocentryczne) {
  const int32 flagi = SEFLG_MOSEPH | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL | SEFLG_NONUT |
                      (heliocentryczne ? SEFLG_HELCTR : 0);
  double xx[6] = {};
  char blad[AS_MAXCH] = {};
  if (swe_calc(JDZ(t), cialo, flagi, xx, blad) < 0) {
    throw std::runtime_error(std::string("swe_calc: ") + blad);
  }
  return {obliczenia::NaRadiany(xx[0]), obliczenia::NaRadiany(xx[1]), xx[2]};
}

// Difference of two longitudes in arc seconds, reduced into (-648000, 648000].
inline double RoznicaDlugosci(double a, double b) {
  double d = std::remainder(a - b, obliczenia::DwaPi);
  return d * obliczenia::SekundWRadianie;
}

// Largest absolute differences found, with the instant of each.
struct TMaksima {
  double L = 0.0, B = 0.0, R = 0.0;
  double TL = 0.0, TB = 0.0, TR = 0.0;
  void Dodaj(double t, double dl, double db, double dr) {
    if (std::fabs(dl) > L) {
      L = std::fabs(dl);
      TL = t;
    }
    if (std::fabs(db) > B) {
      B = std::fabs(db);
      TB = t;
    }
    if (std::fabs(dr) > R) {
      R = std::fabs(dr);
      TR = t;
    }
  }
};

} // namespace wzorzec
