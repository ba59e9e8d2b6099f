#include "rekordy_wykresu.h"

#include <gtest/gtest.h>

using namespace wykres;

TEST(SlotyPar, PorzadekAnalizy114) {
  struct {
    int slot, a, b;
  } przypadki[] = {{0, 1, 2}, {14, 1, 16}, {15, 2, 3}, {29, 3, 4}, {110, 12, 13}, {113, 12, 16}};
  for (const auto& p : przypadki) {
    EXPECT_EQ(ParaSlotuAnalizy(p.slot), (TParaPunktow{p.a, p.b})) << p.slot;
    EXPECT_EQ(SlotAnalizy(p.a, p.b), p.slot) << p.slot;
  }
  const int poczatki[] = {0, 15, 29, 42, 54, 65, 75, 84, 92, 99, 105, 110};
  for (int a = 1; a <= 12; ++a)
    EXPECT_EQ(SlotAnalizy(a, a + 1), poczatki[a - 1]) << a;
  EXPECT_EQ(SlotAnalizy(13, 14), -1);
  EXPECT_EQ(SlotAnalizy(3, 3), -1);
}

TEST(SlotyPar, PorzadekWykresu90) {
  struct {
    int slot, a, b;
  } przypadki[] = {{1, 1, 2},    {12, 1, 13},  {13, 1, 15},  {14, 2, 3},
                   {82, 10, 11}, {86, 11, 12}, {89, 12, 13}, {90, 12, 15}};
  for (const auto& p : przypadki) {
    EXPECT_EQ(ParaSlotuWykresu(p.slot), (TParaPunktow{p.a, p.b})) << p.slot;
    EXPECT_EQ(SlotWykresu(p.a, p.b), p.slot) << p.slot;
  }
  EXPECT_EQ(SlotWykresu(1, 14), 0);
  EXPECT_EQ(SlotWykresu(5, 16), 0);
  // Every chart slot is an analysis slot, in the same order.
  int poprzedni = -1;
  for (int k = 1; k <= 90; ++k) {
    const auto p = ParaSlotuWykresu(k);
    const int s = SlotAnalizy(p.A, p.B);
    EXPECT_GT(s, poprzedni);
    poprzedni = s;
  }
}

TEST(PrzygotujMoment, PrzepisujeDaneLokalne) {
  TDaneKosmotypuUrodz dane;
  dane.DataCzas = obliczenia::ZakodujDateCzas({2000, 3, 1}, {0, 30});
  dane.PrzesGMT = 60;
  dane.Dlug = -21 * 60;
  dane.Szer = 52 * 60 + 13;
  dane.CzasNieznany = false;
  const auto m = PrzygotujMoment(dane);
  EXPECT_EQ(m.Minuty, 30);
  EXPECT_EQ(m.Dzien, 1);
  EXPECT_EQ(m.Miesiac, 3);
  EXPECT_EQ(m.Rok, 2000);
  EXPECT_EQ(m.KorektaUT, -60);
  EXPECT_EQ(m.Dlug, -1260);
  EXPECT_EQ(m.Szer, 3133);
  EXPECT_FALSE(m.CzasNieznany);
}
