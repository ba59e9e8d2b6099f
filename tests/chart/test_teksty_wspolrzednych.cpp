#include "teksty_wspolrzednych.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace wykres;

TEST(TekstyWspolrzednych, DlugoscISzerokosc) {
  struct {
    bool dlugosc;
    std::int32_t wartosc;
    const char* oczekiwany;
  } przypadki[] = {
      {true, -21 * 60, "21° 00' E"},
      {true, 1, "0° 01' W"},
      {true, 0, "0° 00'"},
      {true, 10800, "180° 00' W"},
      {false, 52 * 60 + 14, "52° 14' N"},
      {false, -61, "1° 01' S"},
      {false, 0, "0° 00'"},
      {false, std::numeric_limits<std::int32_t>::min(), "35791394° 08' S"},
  };
  for (const auto& p : przypadki) {
    const std::string tekst = p.dlugosc ? TekstDlugosci(p.wartosc) : TekstSzerokosci(p.wartosc);
    EXPECT_EQ(tekst, p.oczekiwany) << p.wartosc;
  }
}

TEST(TekstyWspolrzednych, CzasGMT) {
  struct {
    std::int32_t przes;
    int godzina, minuta;
    const char* oczekiwany;
  } przypadki[] = {
      {60, 0, 30, "23:30 GMT"},   {-60, 23, 0, "00:00 GMT"},  {0, 0, 0, "00:00 GMT"},
      {120, 14, 25, "12:25 GMT"}, {-330, 20, 0, "01:30 GMT"}, {780, 5, 0, "16:00 GMT"},
  };
  for (const auto& p : przypadki) {
    const auto dc = obliczenia::ZakodujDateCzas({2001, 7, 15}, {p.godzina, p.minuta});
    EXPECT_EQ(TekstCzasuGMT(p.przes, dc), p.oczekiwany) << p.przes;
  }
  // The date part is ignored, also before the epoch.
  EXPECT_EQ(TekstCzasuGMT(60, obliczenia::ZakodujDateCzas({1850, 1, 1}, {0, 30})), "23:30 GMT");
}

TEST(TekstyWspolrzednych, PrzesuniecieGMT) {
  struct {
    std::int32_t przes;
    const char* oczekiwany;
  } przypadki[] = {{60, "+1:00"}, {-330, "-5:30"}, {0, "0:00"}, {345, "+5:45"}, {-5, "-0:05"}};
  for (const auto& p : przypadki)
    EXPECT_EQ(TekstPrzesGMT(p.przes), p.oczekiwany) << p.przes;
}

TEST(TekstyWspolrzednych, RozbijStopnieObcina) {
  struct {
    double x;
    TStopnieMinutySekundy oczekiwany;
  } przypadki[] = {
      {30.0 - 1e-5, {29, 59, 59}},   {10.5, {10, 30, 0}},  {0.0, {0, 0, 0}},
      {359.99999999, {359, 59, 59}}, {12.25, {12, 15, 0}}, {1.0 / 3600.0 * 3.5, {0, 0, 3}},
  };
  for (const auto& p : przypadki)
    EXPECT_EQ(RozbijStopnie(p.x), p.oczekiwany) << p.x;
  // Seconds and minutes never reach 60 on a sweep of awkward fractions.
  for (int i = 0; i < 100000; ++i) {
    const auto w = RozbijStopnie(i * 0.0036001);
    ASSERT_GE(w.Minuty, 0);
    ASSERT_LT(w.Minuty, 60);
    ASSERT_GE(w.Sekundy, 0);
    ASSERT_LT(w.Sekundy, 60);
  }
}
