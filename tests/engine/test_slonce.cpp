#include "slonce.h"
#include "szeregi.h"
#include "wzorzec_swe.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace obliczenia;

TEST(SunSeries, WZakresieDlaKazdegoT) {
  for (double t = -30.0; t <= 30.0; t += 0.0137) {
    double l, b, r;
    SunSeries(t, l, b, r);
    ASSERT_GE(l, 0.0) << t;
    ASSERT_LT(l, DwaPi) << t;
    ASSERT_LT(std::fabs(b), 1e-5) << t;
    ASSERT_GT(r, 0.98) << t;
    ASSERT_LT(r, 1.02) << t;
  }
}

TEST(Szeregi, MaszyneriaKatow) {
  double c, s;
  AddAngles(std::cos(0.3), std::sin(0.3), std::cos(1.1), std::sin(1.1), c, s);
  EXPECT_NEAR(c, std::cos(1.4), 1e-15);
  EXPECT_NEAR(s, std::sin(1.4), 1e-15);

  TWielokrotnosci<-2, 9> w;
  w.Wlasne(0.7, 9, 2);
  for (int k = -2; k <= 9; ++k) {
    EXPECT_NEAR(w.c(k), std::cos(k * 0.7), 1e-14) << k;
    EXPECT_NEAR(w.s(k), std::sin(k * 0.7), 1e-14) << k;
  }
  TWielokrotnosci<-8, 0> z;
  z.Zaburzajace(2.3, 8);
  for (int j = -8; j <= -1; ++j) {
    EXPECT_NEAR(z.c(j), std::cos(j * 2.3), 1e-14) << j;
    EXPECT_NEAR(z.s(j), std::sin(j * 2.3), 1e-14) << j;
  }
  EXPECT_TRUE(std::isnan(z.c(0))); // the caller sets entry 0

  EXPECT_DOUBLE_EQ(KatSredni(-0.25, 0.0, 0.0), 0.75 * DwaPi);
  EXPECT_LT(PelnyKat(std::nextafter(1.0, 0.0)), DwaPi);
}

TEST(Szeregi, WierszZPotegaTNicNieDodajeWT0) {
  TWielokrotnosci<0, 1> w;
  w.Wlasne(0.4, 1);
  TWielokrotnosci<-1, 0> z;
  z.c(0) = 1.0;
  z.s(0) = 0.0;
  z.Zaburzajace(1.0, 1);
  TSumySzeregu sumy;
  AddTerm(sumy, w, z, 0.0, {1, 0, 0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0});
  const TSumySzeregu przed = sumy;
  AddTerm(sumy, w, z, 0.0, {1, 0, 1, 10.0, 20.0, 30.0, 40.0, 50.0, 60.0});
  EXPECT_EQ(sumy.DL, przed.DL);
  EXPECT_EQ(sumy.DR, przed.DR);
  EXPECT_EQ(sumy.DB, przed.DB);
  AddTerm(sumy, w, z, 2.0, {1, 0, 0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0});
  AddTerm(sumy, w, z, 2.0, {1, 0, 1, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0});
  EXPECT_NEAR(sumy.u, 2.0 * std::cos(0.4), 1e-15);
}

// Geometric geocentric Sun, mean equinox of date, 1850-2150.
TEST(SunSeries, ZgodnoscZEfemerydaWzorcowa) {
  wzorzec::TMaksima maks;
  const int n = 2400;
  for (int k = 0; k < n; ++k) {
    const double t = -1.5 + 3.0 * k / (n - 1.0);
    double l, b, r;
    SunSeries(t, l, b, r);
    const auto w = wzorzec::Geometryczne(SE_SUN, t, false);
    maks.Dodaj(t, wzorzec::RoznicaDlugosci(l, w.L), (b - w.B) * SekundWRadianie, r - w.R);
  }
  std::printf("Sun 1850-2150, %d instants: max |dL| %.2f\" (T %.3f), |dB| %.2f\" (T %.3f), "
              "|dR| %.2e AU (T %.3f)\n",
              n, maks.L, maks.TL, maks.B, maks.TB, maks.R, maks.TR);
  EXPECT_LE(maks.L, 4.0);
  EXPECT_LE(maks.B, 1.0);
  EXPECT_LE(maks.R, 5e-6);
}
