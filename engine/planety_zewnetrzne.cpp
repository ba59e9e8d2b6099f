// Jupiter to Pluto. Every multiple and every row's cosine and sine come from
// angle addition; trigonometric calls only for the base angles, the start
// angles of the Uranus combination group and the explicit combination terms.
#include "planety.h"
#include "szeregi.h"

#include <cmath>

namespace obliczenia {

namespace {

constexpr double StopienWRadianach = Pi / 180.0;

// Rotation of the coordinate frame about the z or the x axis by angle a.
TWektor ObrotZ(double a, const TWektor& v) {
  const double c = std::cos(a), s = std::sin(a);
  return {c * v.x + s * v.y, -s * v.x + c * v.y, v.z};
}

TWektor ObrotX(double a, const TWektor& v) {
  const double c = std::cos(a), s = std::sin(a);
  return {v.x, c * v.y + s * v.z, -s * v.y + c * v.z};
}

} // namespace

TWektor PrecesjaEkliptyczna(double t0, double t, const TWektor& v) {
  const double dt = t - t0;
  // Node of the ecliptic of t on that of t0, their inclination, and the general
  // precession in longitude; arc seconds.
  const double wezel = 174.876383889 * 3600.0 + (3289.4789 + 0.60622 * t0) * t0 +
                       (-869.8089 - 0.50491 * t0 + 0.03536 * dt) * dt;
  const double nachylenie = ((47.0029 - (0.06603 - 0.000598 * t0) * t0) +
                             ((-0.03302 + 0.000598 * t0) + 0.000060 * dt) * dt) *
                            dt;
  const double ogolna = ((5029.0966 + (2.22226 - 0.000042 * t0) * t0) +
                         ((1.11113 - 0.000042 * t0) - 0.000006 * dt) * dt) *
                        dt;
  const double pi = wezel / SekundWRadianie;
  return ObrotZ(-(pi + ogolna / SekundWRadianie),
                ObrotX(nachylenie / SekundWRadianie, ObrotZ(pi, v)));
}

void JupiterSeries(double T, double& L, double& B, double& R) {
  const double m5 = KatSredni(0.0565314, 8.4302963, T);
  const double m6 = KatSredni(0.8829867, 3.3947688, T);
  const double m7 = KatSredni(0.3969537, 1.1902586, T);

  TWielokrotnosci<-1, 5> wl;
  wl.Wlasne(m5, 5, 1);
  TWielokrotnosci<-10, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m6, 10);
  SumujGrupe(sumy, wl, zab, T, WierszeJowiszSaturn);
  zab.Zaburzajace(m7, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeJowiszUran);

  const double fi = 2.0 * m5 - 6.0 * m6 + 3.0 * m7;
  double x = std::cos(fi), y = std::sin(fi);
  sumy.DL += -0.8 * x + 8.5 * y;
  sumy.DR += -0.1 * x;
  AddAngles(x, y, wl.c(1), wl.s(1), x, y);
  sumy.DL += 0.4 * x + 0.5 * y;
  sumy.DR += -0.7 * x + 0.5 * y;
  sumy.DB += -0.1 * x;

  L = PelnyKat(0.038891 + m5 / DwaPi + ((5025.2 + 0.8 * T) * T + sumy.DL) / 1296000.0);
  R = 5.208873 + 0.000041 * T + sumy.DR * 1e-5;
  B = (227.3 - 0.3 * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

void SaturnSeries(double T, double& L, double& B, double& R) {
  const double m5 = KatSredni(0.0565314, 8.4302963, T);
  const double m6 = KatSredni(0.8829867, 3.3947688, T);
  const double m7 = KatSredni(0.3969537, 1.1902586, T);
  const double m8 = KatSredni(0.7208473, 0.6068623, T);

  TWielokrotnosci<0, 11> wl;
  wl.Wlasne(m6, 11);
  TWielokrotnosci<-6, 1> zab;
  TSumySzeregu sumy;

  // The Jupiter rows reach i = +1, so the table starts one multiple up.
  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.c(1) = std::cos(m5);
  zab.s(1) = std::sin(m5);
  for (int j = 0; j > -6; --j) {
    AddAngles(zab.c(j), zab.s(j), zab.c(1), -zab.s(1), zab.c(j - 1), zab.s(j - 1));
  }
  SumujGrupe(sumy, wl, zab, T, WierszeSaturnJowisz);
  zab.Zaburzajace(m7, 5);
  SumujGrupe(sumy, wl, zab, T, WierszeSaturnUran);
  zab.Zaburzajace(m8, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeSaturnNeptun);

  const double fi = -2.0 * m5 + 5.0 * m6 - 3.0 * m7;
  double x = std::cos(fi), y = std::sin(fi);
  sumy.DL += -0.8 * x - 0.1 * y;
  sumy.DR += -0.2 * x + 1.8 * y;
  sumy.DB += 0.3 * x + 0.5 * y;
  AddAngles(x, y, wl.c(1), wl.s(1), x, y);
  sumy.DL += (2.4 - 0.7 * T) * x + (27.8 - 0.4 * T) * y;
  sumy.DR += 2.1 * x - 0.2 * y;
  AddAngles(x, y, wl.c(1), wl.s(1), x, y);
  sumy.DL += 0.1 * x + 1.6 * y;
  sumy.DR += -3.6 * x + 0.3 * y;
  sumy.DB += -0.2 * x + 0.6 * y;

  L = PelnyKat(0.2561136 + m6 / DwaPi + ((5018.6 + 1.9 * T) * T + sumy.DL) / 1296000.0);
  R = 9.557584 - 0.000186 * T + sumy.DR * 1e-5;
  B = (175.1 - 10.2 * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

void UranusSeries(double T, double& L, double& B, double& R) {
  const double m5 = KatSredni(0.0564472, 8.4302889, T);
  const double m6 = KatSredni(0.8829611, 3.3947583, T);
  const double m7 = KatSredni(0.3967117, 1.1902849, T);
  const double m8 = KatSredni(0.7216833, 0.6068528, T);

  TWielokrotnosci<-2, 7> wl;
  wl.Wlasne(m7, 7, 2);
  TWielokrotnosci<-8, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m5, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeUranJowisz);
  zab.Zaburzajace(m6, 4);
  SumujGrupe(sumy, wl, zab, T, WierszeUranSaturn);
  zab.Zaburzajace(m8, 8);
  SumujGrupe(sumy, wl, zab, T, WierszeUranNeptun);

  // Combination group: entries -4 .. -6 hold the angles 2*M5 + j*M6.
  zab.c(-1) = std::cos(m6);
  zab.s(-1) = -std::sin(m6);
  const double start = 2.0 * m5 - 4.0 * m6;
  zab.c(-4) = std::cos(start);
  zab.s(-4) = std::sin(start);
  for (int j = -4; j >= -5; --j) {
    AddAngles(zab.c(j), zab.s(j), zab.c(-1), zab.s(-1), zab.c(j - 1), zab.s(j - 1));
  }
  SumujGrupe(sumy, wl, zab, T, WierszeUranJowiszSaturn);

  L = PelnyKat(0.4734843 + m7 / DwaPi + ((5082.3 + 34.2 * T) * T + sumy.DL) / 1296000.0);
  R = 19.211991 + (-0.000333 - 0.000005 * T) * T + sumy.DR * 1e-5;
  B = (-130.61 + (-0.54 + 0.04 * T) * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

void NeptuneSeries(double T, double& L, double& B, double& R) {
  const double m5 = KatSredni(0.0563867, 8.4298907, T);
  const double m6 = KatSredni(0.8825086, 3.3957748, T);
  const double m7 = KatSredni(0.3965358, 1.1902851, T);
  const double m8 = KatSredni(0.7214906, 0.6068526, T);

  TWielokrotnosci<0, 6> wl;
  wl.Wlasne(m8, 6);
  TWielokrotnosci<-6, 0> zab;
  TSumySzeregu sumy;

  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  zab.Zaburzajace(m5, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeNeptunJowisz);
  zab.Zaburzajace(m6, 2);
  SumujGrupe(sumy, wl, zab, T, WierszeNeptunSaturn);
  // Holds the row (1,0,0) twice, as published; both are summed.
  zab.Zaburzajace(m7, 6);
  SumujGrupe(sumy, wl, zab, T, WierszeNeptunUran);

  L = PelnyKat(0.1254046 + m8 / DwaPi + ((4982.8 - 21.3 * T) * T + sumy.DL) / 1296000.0);
  R = 30.072984 + (0.001234 + 0.000003 * T) * T + sumy.DR * 1e-5;
  B = (54.77 + (0.26 + 0.06 * T) * T + sumy.DB) / 3600.0 * StopienWRadianach;
}

void PlutoSeries(double T, double& L, double& B, double& R) {
  const double m5 = KatSredni(0.0565314, 8.4302963, T);
  const double m6 = KatSredni(0.8829867, 3.3947688, T);
  const double m9 = KatSredni(0.0385795, 0.4026667, T);

  TWielokrotnosci<0, 6> wl;
  wl.Wlasne(m9, 6);
  TWielokrotnosci<-3, 2> zab;
  TSumySzeregu sumy;

  // Both groups use the multiples +1 .. -2 of their planet.
  zab.c(0) = 1.0;
  zab.s(0) = 0.0;
  const double perturbatory[2] = {m5, m6};
  const std::span<const TWierszPlanety> grupy[2] = {WierszePlutonJowisz, WierszePlutonSaturn};
  for (int g = 0; g < 2; ++g) {
    zab.c(1) = std::cos(perturbatory[g]);
    zab.s(1) = std::sin(perturbatory[g]);
    for (int j = 0; j >= -1; --j) {
      AddAngles(zab.c(j), zab.s(j), zab.c(1), -zab.s(1), zab.c(j - 1), zab.s(j - 1));
    }
    SumujGrupe(sumy, wl, zab, T, grupy[g]); // no row carries a power of T
  }

  const double fi = m5 - m6;
  double x = std::cos(fi), y = std::sin(fi);
  sumy.DL += -9.11 * x + 0.12 * y;
  sumy.DR += -3.4 * x - 3.3 * y;
  sumy.DB += 0.81 * x + 0.78 * y;
  AddAngles(x, y, wl.c(1), wl.s(1), x, y);
  sumy.DL += 5.92 * x + 0.25 * y;
  sumy.DR += 2.3 * x - 3.8 * y;
  sumy.DB += -0.67 * x - 0.51 * y;

  const double l1950 = PelnyKat(0.6232469 + m9 / DwaPi + sumy.DL / 1296000.0);
  const double r = 40.7247248 + sumy.DR * 1e-5;
  const double b1950 = (-3.909434 + sumy.DB / 3600.0) * StopienWRadianach;

  // The series is of B1950.0; bring it to the equinox of date like every other body.
  const TBiegunowe data = Biegunowe(PrecesjaEkliptyczna(TB1950, T, Kartezjanskie(r, b1950, l1950)));
  L = data.Dlug < DwaPi ? data.Dlug : 0.0;
  B = data.Szer;
  R = data.R;
}

} // namespace obliczenia
