#include "slonce.h"

#include "szeregi.h"

#include <cmath>

namespace obliczenia {

void SunSeries(double T, double& L, double& B, double& R) {
  const double m2 = KatSredni(0.1387306, 162.5485917, T);
  const double m3 = KatSredni(0.9931266, 99.9973604, T);
  const double m4 = KatSredni(0.054325, 53.1666028, T);
  const double m5 = KatSredni(0.055175, 8.4293972, T);
  const double m6 = KatSredni(0.88165, 3.3938722, T);
  const double d = KatSredni(0.8274, 1236.8531, T);
  const double a = KatSredni(0.3749, 1325.5524, T);
  const double f = KatSredni(0.2591, 1342.2278, T);

  TWielokrotnosci<-1, 7> ziemia;
  ziemia.Wlasne(m3, 7, 1);
  TWielokrotnosci<-8, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m2, 6);
  SumujGrupe(sumy, ziemia, zab, T, WierszeSlonceWenus);
  zab.Zaburzajace(m4, 8);
  SumujGrupe(sumy, ziemia, zab, T, WierszeSlonceMars);
  zab.Zaburzajace(m5, 4);
  SumujGrupe(sumy, ziemia, zab, T, WierszeSlonceJowisz);
  zab.Zaburzajace(m6, 2);
  SumujGrupe(sumy, ziemia, zab, T, WierszeSlonceSaturn);

  // The Earth about the Earth-Moon centre of mass.
  sumy.DL += 6.45 * std::sin(d) - 0.42 * std::sin(d - a) + 0.18 * std::sin(d + a) +
             0.17 * std::sin(d - m3) - 0.06 * std::sin(d + m3);
  sumy.DR += 30.76 * std::cos(d) - 3.06 * std::cos(d - a) + 0.85 * std::cos(d + a) -
             0.58 * std::cos(d + m3) + 0.57 * std::cos(d - m3);
  sumy.DB += 0.576 * std::sin(f);

  // Long-period terms.
  sumy.DL += 6.40 * std::sin(DwaPi * (0.6983 + 0.0561 * T)) +
             1.87 * std::sin(DwaPi * (0.5764 + 0.4174 * T)) +
             0.27 * std::sin(DwaPi * (0.4189 + 0.3306 * T)) +
             0.20 * std::sin(DwaPi * (0.3581 + 2.4814 * T));

  L = PelnyKat(0.7859453 + m3 / DwaPi + ((6191.2 + 1.1 * T) * T + sumy.DL) / 1296000.0);
  R = 1.0001398 - 0.0000007 * T + sumy.DR * 1e-6;
  B = (sumy.DB / 3600.0) * Pi / 180.0;
}

} // namespace obliczenia
