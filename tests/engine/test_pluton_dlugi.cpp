#include "czas.h"
#include "katy.h"
#include "pluton_dlugi.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>

using namespace obliczenia;

namespace {

// Apparent geocentric Pluto of date from the reference, degrees.
void Wzorzec(double jd, double& dlug, double& szer, double& deklinacja) {
  double xx[6] = {};
  char blad[AS_MAXCH] = {};
  ASSERT_GE(swe_calc(jd, SE_PLUTO, SEFLG_MOSEPH, xx, blad), 0) << blad;
  dlug = xx[0];
  szer = xx[1];
  ASSERT_GE(swe_calc(jd, SE_PLUTO, SEFLG_MOSEPH | SEFLG_EQUATORIAL, xx, blad), 0) << blad;
  deklinacja = xx[1];
}

} // namespace

// Outside the window of the Pluto series: 1850-1890 and 2100-2150.
TEST(PlutonDlugookresowy, ZgodnoscZEfemerydaWzorcowa) {
  struct {
    const char* Nazwa;
    double MJDOd, MJDDo;
  } const okresy[] = {
      {"1850-1890", ObliczMJD(1, 1, 1850, 0.0), ObliczMJD(1, 1, 1890, 0.0)},
      {"2100-2150", ObliczMJD(1, 1, 2100, 0.0), ObliczMJD(1, 1, 2150, 0.0)},
  };
  for (const auto& o : okresy) {
    const int n = 300;
    double maksL = 0.0, maksB = 0.0, maksD = 0.0;
    for (int k = 0; k < n; ++k) {
      const double mjd = o.MJDOd + (o.MJDDo - o.MJDOd) * k / (n - 1.0) + 0.37 * k;
      const TDataUT d = DataZMJD(mjd);
      const TPlutonDlugookresowy p = PlutonDlugookresowy(d.Rok, d.Miesiac, d.Dzien, d.Godziny);
      const double jd = ObliczJD(d.Rok, d.Miesiac, d.Dzien, d.Godziny);
      double l, b, dek;
      Wzorzec(jd, l, b, dek);
      maksL = std::fmax(maksL, std::fabs(std::remainder(p.Dlug - l, 360.0)));
      maksB = std::fmax(maksB, std::fabs(p.Szer - b));
      maksD = std::fmax(maksD, std::fabs(p.Deklinacja - dek));
      Wzorzec(jd + 33.0 / 1440.0, l, b, dek);
      maksL = std::fmax(maksL, std::fabs(std::remainder(p.DlugPozniej - l, 360.0)));
      maksD = std::fmax(maksD, std::fabs(p.DeklinacjaPozniej - dek));
      ASSERT_GE(p.Dlug, 0.0);
      ASSERT_LT(p.Dlug, 360.0);
      ASSERT_GE(p.DlugPozniej, 0.0);
      ASSERT_LT(p.DlugPozniej, 360.0);
    }
    std::printf("Long-range Pluto %s, %d instants x 2: max |dL| %.4f deg, |dB| %.4f deg, "
                "|dDecl| %.4f deg\n",
                o.Nazwa, n, maksL, maksB, maksD);
    EXPECT_LE(maksL, 1.0) << o.Nazwa;
    EXPECT_LE(maksB, 1.0) << o.Nazwa;
    EXPECT_LE(maksD, 1.0) << o.Nazwa;
  }
}

TEST(PlutonDlugookresowy, RuchWsteczny1850) {
  const TPlutonDlugookresowy p = PlutonDlugookresowy(1850, 1, 1, 0.0);
  EXPECT_LT(p.DlugPozniej, p.Dlug);
  EXPECT_GT(p.DlugPozniej, p.Dlug - 0.01);
  EXPECT_TRUE(p.Retro);
}

// The instant is counted in true Julian Days: 1850-03-01 0h is JD 2396817.5
// (a four-year leap rule would count it a day earlier).
TEST(PlutonDlugookresowy, PrawdziwyDzienJulianski) {
  struct {
    int Rok, Miesiac, Dzien;
    double Godziny, JD;
  } const przypadki[] = {
      {1850, 3, 1, 0.0, 2396817.5},
      {1889, 12, 31, 18.0, 2411368.25},
      {2101, 3, 1, 12.0, 2488494.0},
  };
  for (const auto& p : przypadki) {
    const TPlutonDlugookresowy w = PlutonDlugookresowy(p.Rok, p.Miesiac, p.Dzien, p.Godziny);
    const TPolozeniePlutona oczekiwane = PlutonDlugookresowyJD(p.JD);
    EXPECT_DOUBLE_EQ(w.Dlug, oczekiwane.Dlug) << p.Rok;
    EXPECT_DOUBLE_EQ(w.Szer, oczekiwane.Szer) << p.Rok;
    EXPECT_DOUBLE_EQ(w.Deklinacja, oczekiwane.Deklinacja) << p.Rok;
    EXPECT_DOUBLE_EQ(w.DlugPozniej, PlutonDlugookresowyJD(p.JD + 33.0 / 1440.0).Dlug) << p.Rok;
  }
}
