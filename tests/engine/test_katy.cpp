#include "katy.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace obliczenia;

TEST(Katy, Redukcje) {
  struct {
    double Radiany, Stopnie;
  } const zakres[] = {
      {0.0, 0.0},
      {DwaPi, 0.0},
      {-Pi / 2.0, 270.0},
      {Pi, 180.0},
      {5.0 * DwaPi + 1.0, NaStopnie(1.0)},
      {-3.0 * DwaPi - 1.0, 360.0 - NaStopnie(1.0)},
      {-1e-300, 0.0},
  };
  for (const auto& p : zakres) {
    const double s = NaStopnieZakres(p.Radiany);
    EXPECT_NEAR(s, p.Stopnie, 1e-9) << p.Radiany;
    EXPECT_GE(s, 0.0);
    EXPECT_LT(s, 360.0);
  }
  EXPECT_DOUBLE_EQ(NaStopnie(NaRadiany(123.25)), 123.25);
  EXPECT_DOUBLE_EQ(NaStopnie(-3.0 * Pi), -540.0);
  EXPECT_DOUBLE_EQ(Modulo360(-30.0), -30.0);
  EXPECT_DOUBLE_EQ(Modulo360(750.0), 30.0);
  EXPECT_DOUBLE_EQ(Modulo360(-750.0), -30.0);
  EXPECT_DOUBLE_EQ(ZakresDwaPi(DwaPi), 0.0);
  EXPECT_NEAR(ZakresDwaPi(-Pi / 2.0), 1.5 * Pi, 1e-15);
  EXPECT_NEAR(ZakresDwaPi(7.0 * DwaPi + 0.5), 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(Frac(-0.25), 0.75);
  EXPECT_DOUBLE_EQ(Frac(2.25), 0.25);
  EXPECT_DOUBLE_EQ(Frac(-3.0), 0.0);
}

TEST(Katy, FunkcjeOdwrotne) {
  EXPECT_DOUBLE_EQ(Atan2(0.0, -1.0), Pi);
  EXPECT_DOUBLE_EQ(Atan2(-1.0, 0.0), -Pi / 2.0);
  EXPECT_DOUBLE_EQ(Atan2(0.0, 0.0), 0.0);
  for (double a = -3.1; a < 3.2; a += 0.173) {
    EXPECT_NEAR(Atan2(2.5 * std::sin(a), 2.5 * std::cos(a)), std::atan2(std::sin(a), std::cos(a)),
                1e-14)
        << a;
  }
  EXPECT_DOUBLE_EQ(ArcCos(-1.0), Pi);
  EXPECT_DOUBLE_EQ(ArcSin(1.0), Pi / 2.0);
  EXPECT_NEAR(Tangens(Pi / 4.0), 1.0, 1e-15);
}

TEST(Katy, Wektory) {
  const TBiegunowe b = Biegunowe({0.0, -1.0, 0.0});
  EXPECT_DOUBLE_EQ(b.Dlug, 1.5 * Pi);
  EXPECT_DOUBLE_EQ(b.Szer, 0.0);
  EXPECT_DOUBLE_EQ(b.R, 1.0);
  const TBiegunowe z = Biegunowe({0.0, 0.0, 0.0});
  EXPECT_EQ(z.R, 0.0);
  EXPECT_EQ(z.Dlug, 0.0);
  const TBiegunowe p = Biegunowe(Kartezjanskie(2.0, -0.4, 5.9));
  EXPECT_NEAR(p.R, 2.0, 1e-15);
  EXPECT_NEAR(p.Szer, -0.4, 1e-15);
  EXPECT_NEAR(p.Dlug, 5.9, 1e-14);
}

TEST(Katy, PredkoscToPochodnaPolozenia) {
  const double r = 1.3, b = 0.1, l = 2.0, dr = 0.01, db = -0.002, dl = 0.03;
  const TPozycjaIPredkosc w = PozycjaIPredkosc(r, b, l, dr, db, dl);
  const double h = 1e-6;
  const TWektor a = Kartezjanskie(r + dr * h, b + db * h, l + dl * h);
  const TWektor c = Kartezjanskie(r - dr * h, b - db * h, l - dl * h);
  EXPECT_EQ(w.Pozycja, Kartezjanskie(r, b, l));
  EXPECT_NEAR(w.Predkosc.x, (a.x - c.x) / (2 * h), 1e-8);
  EXPECT_NEAR(w.Predkosc.y, (a.y - c.y) / (2 * h), 1e-8);
  EXPECT_NEAR(w.Predkosc.z, (a.z - c.z) / (2 * h), 1e-8);
}

TEST(Katy, EkliptykaIRownik) {
  EXPECT_DOUBLE_EQ(NachylenieEkliptyki(0.0), 23.43929111);
  for (double t : {-2.5, -1.0, 0.0, 0.37, 1.5}) {
    const TWektor v{0.3, -0.8, 0.52};
    const TWektor w = RownNaEkl(t, EklNaRown(t, v));
    EXPECT_NEAR(w.x, v.x, 1e-15);
    EXPECT_NEAR(w.y, v.y, 1e-15);
    EXPECT_NEAR(w.z, v.z, 1e-15);
  }
  // The summer solstice point has declination +epsilon.
  const TBiegunowe s = Biegunowe(EklNaRown(0.0, Kartezjanskie(1.0, 0.0, Pi / 2.0)));
  EXPECT_NEAR(NaStopnie(s.Szer), 23.43929111, 1e-12);
}

TEST(Katy, NutacjaWJ2000) {
  // A point on the ecliptic moves by the nutation in longitude, about -14 arc seconds.
  for (double l : {0.0, 1.0, 2.5, 4.0}) {
    const TWektor ekl = Kartezjanskie(1.0, 0.0, l);
    const TWektor ekl2 = RownNaEkl(0.0, Nutacja(0.0, EklNaRown(0.0, ekl)));
    double d = Biegunowe(ekl2).Dlug - l;
    if (d > Pi) {
      d -= DwaPi;
    }
    EXPECT_NEAR(d * SekundWRadianie, -13.9, 0.3) << l;
  }
}
