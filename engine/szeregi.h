#pragma once
// Machinery shared by the analytical series of the Sun, the Moon and the
// planets: multiple-angle tables built by angle addition, the coefficient-row
// summation and the common result. Frac lives with the angle toolkit.
#include "katy.h"
#include "tablice_szeregow.h"

#include <cassert>
#include <cmath>
#include <limits>
#include <span>

namespace obliczenia {

// Cosine and sine of a sum of two angles from those of the parts.
inline void AddAngles(double c1, double s1, double c2, double s2, double& c, double& s) {
  c = c1 * c2 - s1 * s2;
  s = s1 * c2 + c1 * s2;
}

// Cosines and sines of k times an angle (or of any angles the caller stores)
// for Od <= k <= Do. Entries nobody has written stay NaN, so a row that reads
// one shows at once.
template <int Od, int Do> struct TWielokrotnosci {
  static_assert(Od <= Do);
  double cs[Do - Od + 1];
  double sn[Do - Od + 1];

  TWielokrotnosci() {
    for (int k = 0; k <= Do - Od; ++k) {
      cs[k] = sn[k] = std::numeric_limits<double>::quiet_NaN();
    }
  }
  double& c(int k) {
    assert(k >= Od && k <= Do);
    return cs[k - Od];
  }
  double& s(int k) {
    assert(k >= Od && k <= Do);
    return sn[k - Od];
  }
  double c(int k) const {
    assert(k >= Od && k <= Do);
    return cs[k - Od];
  }
  double s(int k) const {
    assert(k >= Od && k <= Do);
    return sn[k - Od];
  }

  // Multiples 0 .. gorna of angle m, then the negative ones -1 .. -dolna by
  // symmetry: the own-anomaly table of every series.
  void Wlasne(double m, int gorna, int dolna = 0) {
    c(0) = 1.0;
    s(0) = 0.0;
    c(1) = std::cos(m);
    s(1) = std::sin(m);
    for (int k = 2; k <= gorna; ++k) {
      AddAngles(c(k - 1), s(k - 1), c(1), s(1), c(k), s(k));
    }
    for (int k = 1; k <= dolna; ++k) {
      c(-k) = c(k);
      s(-k) = -s(k);
    }
  }

  // Multiples -1 .. -glebokosc of angle m for a perturbation group; entry 0
  // is the caller's business (the first group of a series sets it).
  void Zaburzajace(double m, int glebokosc) {
    c(-1) = std::cos(m);
    s(-1) = -std::sin(m);
    for (int j = -1; j > -glebokosc; --j) {
      AddAngles(c(j), s(j), c(-1), s(-1), c(j - 1), s(j - 1));
    }
  }
};

// The running sums of one evaluation and the term pair of the last row.
struct TSumySzeregu {
  double DL = 0.0; // arc seconds
  double DR = 0.0; // the series' distance unit
  double DB = 0.0; // arc seconds
  double u = 0.0;  // cosine of the last row's argument (times T^it)
  double v = 0.0;  // sine of it
};

// Sums one coefficient row. A row with it > 0 follows the row of the same
// argument and it - 1, so its pair is the previous one times T.
template <class TWlasne, class TZab>
inline void AddTerm(TSumySzeregu& sumy, const TWlasne& wlasne, const TZab& zab, double t,
                    const TWierszPlanety& w) {
  if (w.it == 0) {
    AddAngles(wlasne.c(w.i1), wlasne.s(w.i1), zab.c(w.i), zab.s(w.i), sumy.u, sumy.v);
  } else {
    sumy.u *= t;
    sumy.v *= t;
  }
  sumy.DL += w.dlc * sumy.u + w.dls * sumy.v;
  sumy.DR += w.drc * sumy.u + w.drs * sumy.v;
  sumy.DB += w.dbc * sumy.u + w.dbs * sumy.v;
}

template <class TWlasne, class TZab>
inline void SumujGrupe(TSumySzeregu& sumy, const TWlasne& wlasne, const TZab& zab, double t,
                       std::span<const TWierszPlanety> wiersze) {
  for (const TWierszPlanety& w : wiersze) {
    AddTerm(sumy, wlasne, zab, t, w);
  }
}

// A mean argument 2pi * Frac(a + b*T), a in revolutions, b in revolutions per century.
inline double KatSredni(double a, double b, double t) {
  return DwaPi * Frac(a + b * t);
}

// 2pi * Frac(x) for an angle that must stay below 2pi even where the product rounds up.
inline double PelnyKat(double ulamek) {
  const double k = DwaPi * Frac(ulamek);
  return k < DwaPi ? k : 0.0;
}

// Angles in radians, 0 <= L < 2pi; R in AU.
struct TPolozenieSzeregu {
  double L = 0.0;
  double B = 0.0;
  double R = 0.0;
};

} // namespace obliczenia
