#include "planety.h"
#include "szeregi.h"
#include "wzorzec_swe.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace obliczenia;

namespace {

using TSzereg = void (*)(double, double&, double&, double&);

struct TPlaneta {
  const char* Nazwa;
  TSzereg Szereg;
  int CialoWzorca;
  double DopL, DopB, DopR; // arc seconds, arc seconds, AU
  double RMin, RMax;
};

// Bounds a little above the largest differences measured for the published
// series over 1900-2100.
const TPlaneta Planety[] = {
    {"Mercury", MercurySeries, SE_MERCURY, 3.5, 2.5, 3e-6, 0.30, 0.47},
    {"Venus", VenusSeries, SE_VENUS, 2.5, 2.0, 3e-6, 0.71, 0.73},
    {"Mars", MarsSeries, SE_MARS, 3.0, 1.0, 1.2e-5, 1.38, 1.67},
    {"Jupiter", JupiterSeries, SE_JUPITER, 6.0, 2.0, 8e-5, 4.90, 5.50},
    {"Saturn", SaturnSeries, SE_SATURN, 8.0, 3.0, 1.2e-4, 9.0, 10.1},
    {"Uranus", UranusSeries, SE_URANUS, 10.0, 2.0, 3e-4, 18.2, 20.2},
    {"Neptune", NeptuneSeries, SE_NEPTUNE, 25.0, 2.0, 8e-4, 29.7, 30.4},
    {"Pluto", PlutoSeries, SE_PLUTO, 17.0, 3.0, 9e-4, 29.6, 49.4},
};

} // namespace

// Heliocentric geometric positions, mean ecliptic and equinox of date, 1900-2100.
TEST(SzeregiPlanet, ZgodnoscZEfemerydaWzorcowa) {
  const int n = 4001;
  for (const TPlaneta& p : Planety) {
    wzorzec::TMaksima maks;
    for (int k = 0; k < n; ++k) {
      const double t = -1.0 + 2.0 * k / (n - 1.0);
      double l, b, r;
      p.Szereg(t, l, b, r);
      const auto w = wzorzec::Geometryczne(p.CialoWzorca, t, true);
      maks.Dodaj(t, wzorzec::RoznicaDlugosci(l, w.L), (b - w.B) * SekundWRadianie, r - w.R);
    }
    std::printf("%-8s 1900-2100, %d instants: max |dL| %5.2f\" (T %6.3f), |dB| %4.2f\" "
                "(T %6.3f), |dR| %.2e AU (T %6.3f)\n",
                p.Nazwa, n, maks.L, maks.TL, maks.B, maks.TB, maks.R, maks.TR);
    EXPECT_LE(maks.L, p.DopL) << p.Nazwa;
    EXPECT_LE(maks.B, p.DopB) << p.Nazwa;
    EXPECT_LE(maks.R, p.DopR) << p.Nazwa;
  }
}

TEST(SzeregiPlanet, WynikiWZakresie) {
  for (const TPlaneta& p : Planety) {
    for (double t = -3.0; t <= 3.0; t += 0.00731) {
      double l, b, r;
      p.Szereg(t, l, b, r);
      ASSERT_GE(l, 0.0) << p.Nazwa << " " << t;
      ASSERT_LT(l, DwaPi) << p.Nazwa << " " << t;
      ASSERT_LT(std::fabs(b), NaRadiany(18.0)) << p.Nazwa << " " << t;
      ASSERT_GT(r, p.RMin) << p.Nazwa << " " << t;
      ASSERT_LT(r, p.RMax) << p.Nazwa << " " << t;
    }
  }
}

TEST(SzeregiPlanet, MarsWT0TuzPonizejPelnegoKata) {
  double l, b, r;
  MarsSeries(0.0, l, b, r);
  EXPECT_GT(l, DwaPi - NaRadiany(1.0));
  EXPECT_LT(l, DwaPi);
}

TEST(Precesja, EkliptycznaIAU1976) {
  const TWektor v = Kartezjanskie(1.0, NaRadiany(1.5), NaRadiany(123.0));
  // Same epoch: nothing changes; there and back: the input again.
  const TWektor bez = PrecesjaEkliptyczna(-0.3, -0.3, v);
  EXPECT_NEAR(bez.x, v.x, 1e-15);
  EXPECT_NEAR(bez.y, v.y, 1e-15);
  EXPECT_NEAR(bez.z, v.z, 1e-15);
  const TWektor wstecz = PrecesjaEkliptyczna(0.7, TB1950, PrecesjaEkliptyczna(TB1950, 0.7, v));
  // (the polynomials are inverse to each other only to about 1e-5")
  EXPECT_NEAR(wstecz.x, v.x, 1e-9);
  EXPECT_NEAR(wstecz.y, v.y, 1e-9);
  EXPECT_NEAR(wstecz.z, v.z, 1e-9);

  // B1950 -> J2000: the equinox moves by the general precession, 2514.5" less the
  // effect of the 23.5" tilt of the ecliptic, which also changes the latitude.
  const TBiegunowe b = Biegunowe(PrecesjaEkliptyczna(TB1950, 0.0, v));
  const double dl = (b.Dlug - NaRadiany(123.0)) * SekundWRadianie;
  EXPECT_NEAR(dl, 2514.6, 30.0);
  EXPECT_NEAR(b.Szer * SekundWRadianie - 1.5 * 3600.0, 0.0, 24.0);
  EXPECT_NEAR(b.R, 1.0, 1e-15);
}

// Pluto's series is of B1950; the result must be of date, not 0.7 deg short.
TEST(SzeregiPlanet, PlutonWRownonocyDaty) {
  for (double t : {-1.0, -0.5, 0.0, 0.5, 0.99}) {
    double l, b, r;
    PlutoSeries(t, l, b, r);
    const auto w = wzorzec::Geometryczne(SE_PLUTO, t, true);
    EXPECT_LT(std::fabs(wzorzec::RoznicaDlugosci(l, w.L)), 17.0) << t;
    EXPECT_LT(std::fabs(b - w.B) * SekundWRadianie, 3.0) << t;
  }
}
