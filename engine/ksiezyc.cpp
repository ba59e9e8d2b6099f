#include "ksiezyc.h"

#include "pozycje.h"
#include "szeregi.h"

#include <cmath>

namespace obliczenia {

namespace {

// The sine of an angle given in revolutions.
double SinusObrotu(double x) {
  return std::sin(DwaPi * Frac(x));
}

// Multiples -6..6 of the four fundamental arguments l, l', F, D (k = 0..3),
// each entry carrying the argument's factor to the power |j|.
struct TWielokrotnosciKsiezyca {
  double co[13][4];
  double si[13][4];

  void Wypelnij(int k, double kat, int jmax, double czynnik) {
    co[6][k] = 1.0;
    si[6][k] = 0.0;
    co[7][k] = czynnik * std::cos(kat);
    si[7][k] = czynnik * std::sin(kat);
    for (int j = 2; j <= jmax; ++j) {
      AddAngles(co[5 + j][k], si[5 + j][k], co[7][k], si[7][k], co[6 + j][k], si[6 + j][k]);
    }
    for (int j = 1; j <= jmax; ++j) {
      co[6 - j][k] = co[6 + j][k];
      si[6 - j][k] = -si[6 + j][k];
    }
  }

  // Cosine and sine of p*l + q*l' + r*F + s*D.
  void Argument(int p, int q, int r, int s, double& x, double& y) const {
    x = 1.0;
    y = 0.0;
    const int m[4] = {p, q, r, s};
    for (int k = 0; k < 4; ++k) {
      if (m[k] != 0) {
        const double x0 = x;
        AddAngles(x0, y, co[6 + m[k]][k], si[6 + m[k]][k], x, y);
      }
    }
  }
};

} // namespace

TKsiezyc MoonSeries(double T) {
  constexpr double ARC = SekundWRadianie;

  // Long-period corrections.
  const double s1 = SinusObrotu(0.19833 + 0.05611 * T);
  const double s2 = SinusObrotu(0.27869 + 0.04508 * T);
  const double s3 = SinusObrotu(0.16827 - 0.36903 * T);
  const double s4 = SinusObrotu(0.34734 - 5.37261 * T);
  const double s5 = SinusObrotu(0.10498 - 5.37899 * T);
  const double s6 = SinusObrotu(0.42681 - 0.41855 * T);
  const double s7 = SinusObrotu(0.14943 - 5.37511 * T);
  const double dl0 = 0.84 * s1 + 0.31 * s2 + 14.27 * s3 + 7.26 * s4 + 0.28 * s5 + 0.24 * s6;
  const double dl = 2.94 * s1 + 0.31 * s2 + 14.27 * s3 + 9.34 * s4 + 1.12 * s5 + 0.83 * s6;
  const double dls = -6.40 * s1 - 1.89 * s6;
  const double df =
      0.21 * s1 + 0.31 * s2 + 14.27 * s3 - 88.70 * s4 - 15.30 * s5 + 0.24 * s6 - 1.86 * s7;
  const double dd = dl0 - dls;
  const double dgam = -0.000003332 * SinusObrotu(0.59734 - 5.37261 * T) -
                      0.000000539 * SinusObrotu(0.35498 - 5.37899 * T) -
                      0.000000064 * SinusObrotu(0.39943 - 5.37511 * T);

  const double T2 = T * T;
  const double l0 = DwaPi * Frac(0.60643382 + 1336.85522467 * T - 0.00000313 * T2) + dl0 / ARC;
  const double l = DwaPi * Frac(0.37489701 + 1325.55240982 * T + 0.00002565 * T2) + dl / ARC;
  const double ls = DwaPi * Frac(0.99312619 + 99.99735956 * T - 0.00000044 * T2) + dls / ARC;
  const double f = DwaPi * Frac(0.25909118 + 1342.2278298 * T - 0.00000892 * T2) + df / ARC;
  const double d = DwaPi * Frac(0.82736186 + 1236.85308708 * T - 0.00000397 * T2) + dd / ARC;

  const double fac = 1.000002708 + 139.978 * dgam;
  TWielokrotnosciKsiezyca w;
  w.Wypelnij(0, l, 4, 1.000002208);
  w.Wypelnij(1, ls, 3, 0.997504612 - 0.002495388 * T);
  w.Wypelnij(2, f, 4, fac);
  w.Wypelnij(3, d, 6, 1.0);

  double dlam = 0.0, ds = 0.0, gam1c = 0.0, sinpi = 3422.7;
  for (auto grupa : {std::span<const TWierszKsiezyca>(WierszeKsiezycaGrupa1),
                     std::span<const TWierszKsiezyca>(WierszeKsiezycaGrupa2),
                     std::span<const TWierszKsiezyca>(WierszeKsiezycaGrupa3)}) {
    for (const TWierszKsiezyca& r : grupa) {
      double x, y;
      w.Argument(r.p, r.q, r.r, r.s, x, y);
      dlam += r.cl * y;
      ds += r.cs * y;
      gam1c += r.cg * x;
      sinpi += r.cp * x;
    }
  }
  double n = 0.0;
  for (const TWierszSzerokosciKsiezyca& r : WierszeSzerokosciKsiezyca) {
    double x, y;
    w.Argument(r.p, r.q, r.r, r.s, x, y);
    n += r.cn * y;
  }

  // Planetary terms.
  dlam += 0.82 * SinusObrotu(0.7736 - 62.5512 * T) + 0.31 * SinusObrotu(0.0466 - 125.1025 * T) +
          0.35 * SinusObrotu(0.5785 - 25.1042 * T) + 0.66 * SinusObrotu(0.4591 + 1335.8075 * T) +
          0.64 * SinusObrotu(0.3130 - 91.5680 * T) + 1.14 * SinusObrotu(0.1480 + 1331.2898 * T) +
          0.21 * SinusObrotu(0.5918 + 1056.5859 * T) + 0.44 * SinusObrotu(0.5784 + 1322.8595 * T) +
          0.24 * SinusObrotu(0.2275 - 5.7374 * T) + 0.28 * SinusObrotu(0.2965 + 2.6929 * T) +
          0.33 * SinusObrotu(0.3132 + 6.3368 * T);

  TKsiezyc k;
  k.Dlug = l0 + dlam / ARC;
  const double s = f + ds / ARC;
  k.Szer = ((18519.7 + gam1c) * fac * std::sin(s) - 6.24 * std::sin(3.0 * s) + n) / ARC;
  k.R = ARC / (0.999953253 * sinpi);
  double omega = (l0 - dl0 / ARC) - (f - df / ARC);
  while (omega > DwaPi) {
    omega -= DwaPi;
  }
  while (omega < 0.0) {
    omega += DwaPi;
  }
  k.Wezel = omega;
  const TDeklinacjaPunktu wezel = DeklinacjaPunktu(omega, T);
  k.SzerWezla = wezel.Szer;
  k.DeklinacjaWezla = wezel.Deklinacja;
  return k;
}

} // namespace obliczenia
