#include "czas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace obliczenia;

namespace {

TMomentUrodz Moment(int rok, int miesiac, int dzien, int minuty, int korekta, int dlug = 0) {
  TMomentUrodz m;
  m.Rok = rok;
  m.Miesiac = static_cast<std::uint8_t>(miesiac);
  m.Dzien = static_cast<std::uint8_t>(dzien);
  m.Minuty = static_cast<std::uint16_t>(minuty);
  m.KorektaUT = korekta;
  m.Dlug = dlug;
  return m;
}

struct TPrzypadekRozbicia {
  TMomentUrodz Wejscie;
  TDataUT Oczekiwane;
};

} // namespace

TEST(RozbijDate, PrzejsciaDoby) {
  const TPrzypadekRozbicia przypadki[] = {
      {Moment(2000, 3, 1, 30, -60), {23.5, 29, 2, 2000}},
      {Moment(1900, 3, 1, 30, -60), {23.5, 28, 2, 1900}}, // 1900 is not a leap year
      {Moment(2100, 3, 1, 30, -60), {23.5, 28, 2, 2100}},
      {Moment(1996, 3, 1, 30, -60), {23.5, 29, 2, 1996}},
      {Moment(2000, 1, 1, 30, -60), {23.5, 31, 12, 1999}},
      {Moment(2001, 5, 1, 0, -1), {23.0 + 59.0 / 60.0, 30, 4, 2001}},
      {Moment(2001, 8, 1, 0, -120), {22.0, 31, 7, 2001}},
      {Moment(1999, 12, 31, 23 * 60 + 30, 60), {0.5, 1, 1, 2000}},
      {Moment(2000, 6, 15, 23 * 60, 60), {0.0, 16, 6, 2000}}, // exactly 24 h
      {Moment(1900, 2, 28, 23 * 60, 90), {0.5, 1, 3, 1900}},
      {Moment(2000, 2, 28, 23 * 60, 90), {0.5, 29, 2, 2000}},
      {Moment(2000, 2, 29, 23 * 60, 90), {0.5, 1, 3, 2000}},
      {Moment(2001, 4, 30, 23 * 60, 90), {0.5, 1, 5, 2001}},
      {Moment(2001, 4, 29, 23 * 60, 90), {0.5, 30, 4, 2001}},
      {Moment(2001, 7, 31, 23 * 60, 90), {0.5, 1, 8, 2001}},
      {Moment(2001, 7, 10, 12 * 60, -120), {10.0, 10, 7, 2001}},
  };
  for (const auto& p : przypadki) {
    const TDataUT w = RozbijDate(p.Wejscie);
    SCOPED_TRACE(testing::Message()
                 << p.Wejscie.Rok << "-" << int(p.Wejscie.Miesiac) << "-" << int(p.Wejscie.Dzien)
                 << " " << p.Wejscie.Minuty << "+" << p.Wejscie.KorektaUT);
    EXPECT_EQ(w, p.Oczekiwane);
  }
}

TEST(ObliczMJD, EpokiIReformaKalendarza) {
  EXPECT_DOUBLE_EQ(ObliczMJD(1, 1, 2000, 12.0), 51544.5);
  EXPECT_DOUBLE_EQ(ObliczMJD(17, 11, 1858, 0.0), 0.0);
  EXPECT_DOUBLE_EQ(ObliczMJD(15, 10, 1582, 0.0) - ObliczMJD(4, 10, 1582, 0.0), 1.0);
  EXPECT_DOUBLE_EQ(ObliczMJD(1, 3, 1900, 0.0) - ObliczMJD(28, 2, 1900, 0.0), 1.0);
  EXPECT_DOUBLE_EQ(ObliczMJD(1, 3, 2000, 0.0) - ObliczMJD(28, 2, 2000, 0.0), 2.0);
  EXPECT_DOUBLE_EQ(ObliczMJD(1, 1, 2000, 18.0) - ObliczMJD(1, 1, 2000, 6.0), 0.5);
}

TEST(ObliczJD, PrawdziwyDzienJulianski) {
  struct {
    int Rok, Miesiac, Dzien;
    double Godziny, JD;
  } const przypadki[] = {
      {2000, 1, 1, 0.0, 2451544.5},  {2000, 1, 1, 12.0, 2451545.0},  {1900, 1, 1, 0.0, 2415020.5},
      {1900, 2, 28, 0.0, 2415078.5}, {1900, 3, 1, 0.0, 2415079.5},   {1858, 11, 17, 0.0, 2400000.5},
      {2100, 3, 1, 0.0, 2488128.5},  {1582, 10, 15, 0.0, 2299160.5},
  };
  for (const auto& p : przypadki) {
    EXPECT_DOUBLE_EQ(ObliczJD(p.Rok, p.Miesiac, p.Dzien, p.Godziny), p.JD)
        << p.Rok << "-" << p.Miesiac << "-" << p.Dzien;
  }
  EXPECT_DOUBLE_EQ(T1900ZJD(2415020.0), 0.0);
  EXPECT_DOUBLE_EQ(T2000ZMJD(51544.5 + 36525.0), 1.0);
}

TEST(DataZMJD, OdwracaObliczMJD) {
  for (double mjd = -200000.5; mjd < 120000.0; mjd += 997.25) {
    const TDataUT d = DataZMJD(mjd);
    EXPECT_NEAR(ObliczMJD(d.Dzien, d.Miesiac, d.Rok, d.Godziny), mjd, 1e-8) << mjd;
    EXPECT_GE(d.Godziny, 0.0);
    EXPECT_LT(d.Godziny, 24.0);
  }
  EXPECT_EQ(DataZMJD(51544.5), (TDataUT{12.0, 1, 1, 2000}));
  EXPECT_EQ(DataZMJD(ObliczMJD(4, 10, 1582, 0.0)), (TDataUT{0.0, 4, 10, 1582}));
  EXPECT_EQ(DataZMJD(ObliczMJD(15, 10, 1582, 0.0)), (TDataUT{0.0, 15, 10, 1582}));
}

TEST(KatGwiazdowy, ZakresIKierunekDlugosci) {
  const double t = T1900ZJD(ObliczJD(2000, 1, 1, 0.0));
  const double greenwich = KatGwiazdowy(t, 0.0, 0);
  EXPECT_NEAR(greenwich, 99.968, 0.001);                        // 6h 39m 52s
  EXPECT_NEAR(KatGwiazdowy(t, 0.0, 60), greenwich - 1.0, 1e-9); // 1 degree west
  EXPECT_NEAR(KatGwiazdowy(t, 0.0, -60), greenwich + 1.0, 1e-9);
  // One civil day later the angle has moved by one sidereal excess, 0.9856 degrees.
  const double t2 = T1900ZJD(ObliczJD(2000, 1, 2, 0.0));
  EXPECT_NEAR(KatGwiazdowy(t2, 0.0, 0) - greenwich, 0.98565, 1e-4);
}

TEST(KatGwiazdowy, UjemnyPrzed1900) {
  // T at which the unreduced angle is -30 degrees (the T^2 term is far below 1e-6 degrees here).
  const double t = (-2.0 - 6.6460656) / 2400.0513;
  EXPECT_NEAR(KatGwiazdowy(t, 0.0, 0), 330.0, 1e-6);
  for (int rok = 1800; rok < 1900; rok += 7) {
    const double tt = T1900ZJD(ObliczJD(rok, 6, 1, 3.0));
    const double k = KatGwiazdowy(tt, 3.0, 1234);
    EXPECT_GE(k, 0.0);
    EXPECT_LT(k, 360.0);
  }
}

TEST(KatGwiazdowy, StyczenIlutyNieSpozniajaSieODzien) {
  // From 28 February to 1 March 1900 the angle moves by one day's excess, not two.
  const double a = KatGwiazdowy(T1900ZJD(ObliczJD(1900, 2, 28, 0.0)), 0.0, 0);
  const double b = KatGwiazdowy(T1900ZJD(ObliczJD(1900, 3, 1, 0.0)), 0.0, 0);
  double d = b - a;
  if (d < 0.0) {
    d += 360.0;
  }
  EXPECT_NEAR(d, 0.98565, 1e-4);
}

TEST(ObliczCzasGwiazdowy, Wyswietlanie) {
  EXPECT_EQ(ObliczCzasGwiazdowy(Moment(2000, 1, 1, 0, 0)), (TCzasZegarowy{6, 40, 0, 0}));
  // Local 01:00 at GMT+1 is the same instant.
  EXPECT_EQ(ObliczCzasGwiazdowy(Moment(2000, 1, 1, 60, -60)), (TCzasZegarowy{6, 40, 0, 0}));
  // 100 degrees west: 23h 59.9m rounds up to the next hour, 24 wraps to 0.
  const double t = T1900ZJD(ObliczJD(2000, 1, 1, 0.0));
  ASSERT_GT(KatGwiazdowy(t, 0.0, 6000) / 15.0, 23.0 + 59.5 / 60.0);
  EXPECT_EQ(ObliczCzasGwiazdowy(Moment(2000, 1, 1, 0, 0, 6000)), (TCzasZegarowy{0, 0, 0, 0}));
  // Every minute of a day gives a valid clock time.
  for (int min = 0; min < 1440; min += 7) {
    const TCzasZegarowy c = ObliczCzasGwiazdowy(Moment(1850, 7, 14, min, -84, -1260));
    EXPECT_GE(c.Godzina, 0);
    EXPECT_LT(c.Godzina, 24);
    EXPECT_GE(c.Minuta, 0);
    EXPECT_LT(c.Minuta, 60);
  }
}
