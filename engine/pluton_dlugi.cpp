#include "pluton_dlugi.h"

#include "czas.h"
#include "katy.h"

#include <cmath>

namespace obliczenia {

namespace {

// 2pi * (a + b*t) with the whole revolutions removed towards zero.
double Argument(double a, double b, double t) {
  const double x = a + b * t;
  return DwaPi * (x - std::trunc(x));
}

} // namespace

TPolozeniePlutona PlutonDlugookresowyJD(double jd) {
  const double t = jd - 2451545.0;
  const double tc = t / 36525.0 + 1.0; // centuries from 1900
  const double eps =
      NaRadiany(23.452294 - 0.0130125 * tc - 0.00000164 * tc * tc + 0.000000503 * tc * tc * tc);

  const double lm = Argument(0.606434, 0.03660110129, t);
  const double fm = Argument(0.259091, 0.0367481952, t);
  const double ls = Argument(0.779072, 0.00273790931, t);
  const double gs = Argument(0.993126, 0.0027377785, t);
  const double g2 = Argument(0.140023, 0.00445036173, t);
  const double g4 = Argument(0.053856, 0.00145561327, t);
  const double g5 = Argument(0.056531, 0.00023080893, t);
  const double l9 = Argument(0.663854, 0.00001115482, t);
  const double g9 = Argument(0.041020, 0.00001104864, t);
  const double f9 = Argument(0.357355, 0.00001104864, t);
  const double omega = lm - fm;

  double lambdaS =
      ls + (6910.0 * std::sin(gs) + 72.0 * std::sin(2.0 * gs) - 17.0 * tc * std::sin(gs) -
            7.0 * std::cos(gs - g5) + 6.0 * std::sin(lm - ls) +
            5.0 * std::sin(4.0 * gs - 8.0 * g4 + 3.0 * g5) - 5.0 * std::cos(2.0 * gs - 2.0 * g2) -
            4.0 * std::sin(gs - g2) + 4.0 * std::cos(4.0 * gs - 8.0 * g4 + 3.0 * g5) +
            3.0 * std::sin(2.0 * gs - 2.0 * g2) - 3.0 * std::sin(g5) -
            3.0 * std::sin(2.0 * gs - 2.0 * g5)) /
               SekundWRadianie;
  const double rs = 1.00014 - 0.01675 * std::cos(gs) - 0.00014 * std::cos(2.0 * gs);

  double lambda9 = l9 + (101577.0 * std::sin(g9) + 15517.0 * std::sin(2.0 * g9) -
                         3593.0 * std::sin(2.0 * f9) + 3414.0 * std::sin(3.0 * g9) -
                         2201.0 * std::sin(g9 - 2.0 * f9) - 1871.0 * std::sin(g9 + 2.0 * f9) +
                         839.0 * std::sin(4.0 * g9) - 757.0 * std::sin(2.0 * g9 + 2.0 * f9) -
                         285.0 * std::sin(3.0 * g9 + 2.0 * f9) + 227.0 * tc * tc * std::sin(g9) +
                         218.0 * std::sin(2.0 * g9 - 2.0 * f9) + 200.0 * tc * std::sin(g9)) /
                            SekundWRadianie;
  const double beta9 = (57726.0 * std::sin(f9) + 15257.0 * std::sin(g9 - f9) +
                        14102.0 * std::sin(g9 + f9) + 3870.0 * std::sin(2.0 * g9 + f9) +
                        1138.0 * std::sin(3.0 * g9 + f9) + 472.0 * std::sin(2.0 * g9 - f9) +
                        353.0 * std::sin(4.0 * g9 + f9) - 144.0 * std::sin(g9 - 3.0 * f9) -
                        119.0 * std::sin(3.0 * f9) - 111.0 * std::sin(g9 + 3.0 * f9)) /
                       SekundWRadianie;
  const double r9 = 40.74638 - 9.58235 * std::cos(g9) - 1.16703 * std::cos(2.0 * g9) -
                    0.22649 * std::cos(3.0 * g9) - 0.04996 * std::cos(4.0 * g9);

  // Nutation in longitude.
  const double nutacja = 17.0 * std::sin(omega) / SekundWRadianie;
  lambdaS -= nutacja;
  lambda9 -= nutacja;
  while (lambdaS < 0.0) {
    lambdaS += DwaPi;
  }
  while (lambda9 < 0.0) {
    lambda9 += DwaPi;
  }

  const TWektor g = {rs * std::cos(lambdaS) + r9 * std::cos(beta9) * std::cos(lambda9),
                     rs * std::sin(lambdaS) + r9 * std::cos(beta9) * std::sin(lambda9),
                     r9 * std::sin(beta9)};
  const double y = g.y * std::cos(eps) - g.z * std::sin(eps);
  const double z = g.y * std::sin(eps) + g.z * std::cos(eps);

  const TBiegunowe b = Biegunowe(g);
  TPolozeniePlutona wynik;
  wynik.Dlug = NaStopnieZakres(b.Dlug);
  wynik.Szer = NaStopnie(b.Szer);
  wynik.Deklinacja = NaStopnie(std::atan(z / std::sqrt(g.x * g.x + y * y)));
  return wynik;
}

TPlutonDlugookresowy PlutonDlugookresowy(int rok, int miesiac, int dzien, double godziny) {
  // The true Julian Day: a four-year leap rule would put every instant of the
  // theory's years (all outside 1900-2100) one or more days off.
  const double jd = ObliczJD(rok, miesiac, dzien, godziny);
  const TPolozeniePlutona teraz = PlutonDlugookresowyJD(jd);
  const TPolozeniePlutona pozniej = PlutonDlugookresowyJD(jd + 33.0 / 1440.0);
  TPlutonDlugookresowy w;
  w.Dlug = teraz.Dlug;
  w.Szer = teraz.Szer;
  w.Deklinacja = teraz.Deklinacja;
  w.DlugPozniej = pozniej.Dlug;
  w.DeklinacjaPozniej = pozniej.Deklinacja;
  w.Retro = std::remainder(pozniej.Dlug - teraz.Dlug, 360.0) < 0.0;
  return w;
}

} // namespace obliczenia
