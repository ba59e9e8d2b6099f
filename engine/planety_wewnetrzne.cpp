// Mercury, Venus and Mars. Every multiple and every row's cosine and sine
// come from angle addition; trigonometric calls only for the base angles.
#include "planety.h"
#include "szeregi.h"

#include <cmath>

namespace obliczenia {

namespace {

constexpr double StopienWRadianach = Pi / 180.0;

} // namespace

void MercurySeries(double T, double& L, double& B, double& R) {
  const double m1 = KatSredni(0.4855407, 415.2014314, T);
  const double m2 = KatSredni(0.1394222, 162.5490444, T);
  const double m3 = KatSredni(0.9937861, 99.9978139, T);
  const double m5 = KatSredni(0.0558417, 8.4298417, T);
  const double m6 = KatSredni(0.8823333, 3.3943333, T);

  TWielokrotnosci<-1, 9> wl;
  wl.Wlasne(m1, 9, 1);
  TWielokrotnosci<-5, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m2, 5);
  SumujGrupe(sumy, wl, zab, T, WierszeMerkuryWenus);
  zab.Zaburzajace(m3, 4);
  SumujGrupe(sumy, wl, zab, T, WierszeMerkuryZiemia);
  zab.Zaburzajace(m5, 3);
  SumujGrupe(sumy, wl, zab, T, WierszeMerkuryJowisz);
  // The single Saturn row needs only the second multiple.
  zab.c(-2) = std::cos(2.0 * m6);
  zab.s(-2) = -std::sin(2.0 * m6);
  SumujGrupe(sumy, wl, zab, T, WierszeMerkurySaturn);

  sumy.DL += 2.8 + 3.2 * T;

  L = PelnyKat(0.2151379 + m1 / DwaPi + ((5601.7 + 1.1 * T) * T + sumy.DL) / 1296000.0);
  R = 0.3952829 + 0.0000016 * T + sumy.DR * 1e-6;
  B = (-2522.15 + (-30.18 + 0.04 * T) * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

void VenusSeries(double T, double& L, double& B, double& R) {
  const double m1 = KatSredni(0.4861431, 415.2018375, T);
  const double m2 = KatSredni(0.1400197, 162.5494552, T);
  const double m3 = KatSredni(0.9944153, 99.9982208, T);
  const double m4 = KatSredni(0.0556297, 53.1674631, T);
  const double m5 = KatSredni(0.0567028, 8.4305083, T);
  const double m6 = KatSredni(0.8830539, 3.3947206, T);

  TWielokrotnosci<0, 8> wl;
  wl.Wlasne(m2, 8);
  TWielokrotnosci<-8, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m1, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeWenusMerkury);
  zab.Zaburzajace(m3, 8);
  SumujGrupe(sumy, wl, zab, T, WierszeWenusZiemia);
  zab.Zaburzajace(m4, 3);
  SumujGrupe(sumy, wl, zab, T, WierszeWenusMars);
  zab.Zaburzajace(m5, 3);
  SumujGrupe(sumy, wl, zab, T, WierszeWenusJowisz);
  zab.Zaburzajace(m6, 1);
  SumujGrupe(sumy, wl, zab, T, WierszeWenusSaturn);

  sumy.DL += 2.74 * std::sin(DwaPi * (0.0764 + 0.4174 * T)) +
             0.27 * std::sin(DwaPi * (0.9201 + 0.3307 * T));
  sumy.DL += 1.9 + 1.8 * T;

  L = PelnyKat(0.3654783 + m2 / DwaPi + ((5071.2 + 1.1 * T) * T + sumy.DL) / 1296000.0);
  R = 0.7233482 - 0.0000002 * T + sumy.DR * 1e-6;
  B = (-67.7 + (0.04 + 0.01 * T) * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

void MarsSeries(double T, double& L, double& B, double& R) {
  const double m2 = KatSredni(0.1382208, 162.5482542, T);
  const double m3 = KatSredni(0.9926208, 99.9970236, T);
  const double m4 = KatSredni(0.0538553, 53.1662736, T);
  const double m5 = KatSredni(0.0548944, 8.4290611, T);
  const double m6 = KatSredni(0.8811167, 3.393525, T);

  TWielokrotnosci<-2, 16> wl;
  wl.Wlasne(m4, 16, 2);
  TWielokrotnosci<-9, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m2, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeMarsWenus);
  zab.Zaburzajace(m3, 9);
  SumujGrupe(sumy, wl, zab, T, WierszeMarsZiemia);
  zab.Zaburzajace(m5, 5);
  SumujGrupe(sumy, wl, zab, T, WierszeMarsJowisz);
  zab.Zaburzajace(m6, 4);
  SumujGrupe(sumy, wl, zab, T, WierszeMarsSaturn);

  sumy.DL += 52.49 * std::sin(DwaPi * (0.1868 + 0.0549 * T)) +
             0.61 * std::sin(DwaPi * (0.9220 + 0.3307 * T)) +
             0.32 * std::sin(DwaPi * (0.4731 + 2.1485 * T)) +
             0.28 * std::sin(DwaPi * (0.9467 + 0.1133 * T));
  sumy.DL += 0.14 + 0.87 * T - 0.11 * T * T;

  L = PelnyKat(0.9334591 + m4 / DwaPi + ((6615.5 + 1.1 * T) * T + sumy.DL) / 1296000.0);
  R = 1.5303352 + 0.0000131 * T + sumy.DR * 1e-6;
  B = (596.32 + (-2.92 - 0.10 * T) * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

} // namespace obliczenia
