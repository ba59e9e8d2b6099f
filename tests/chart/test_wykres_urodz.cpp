// Natal and comparison charts assembled by the engine, end to end.
#include "wykres_porown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace wykres;

namespace {

TDaneKosmotypuUrodz Urodzenie(int rok, int miesiac, int dzien, int godzina, int minuta, int przes,
                              int dlug, int szer, bool czasNieznany = false) {
  TDaneKosmotypuUrodz d;
  d.DataCzas = obliczenia::ZakodujDateCzas(
      {rok, miesiac, dzien},
      czasNieznany ? obliczenia::TCzasZegarowy{} : obliczenia::TCzasZegarowy{godzina, minuta});
  d.CzasNieznany = czasNieznany;
  d.PrzesGMT = przes;
  d.Dlug = dlug;
  d.Szer = szer;
  return d;
}

std::vector<TDaneKosmotypuUrodz> LosoweUrodzenia(std::size_t ile, unsigned ziarno) {
  std::mt19937 gen(ziarno);
  std::uniform_int_distribution<int> rok(1900, 2050), miesiac(1, 12), dzien(1, 28), minuta(0, 1439),
      przes(-720, 720), dlug(-10800, 10800), szer(-3600, 3600), nieznany(0, 5);
  std::vector<TDaneKosmotypuUrodz> dane;
  for (std::size_t i = 0; i < ile; ++i) {
    const int m = minuta(gen);
    dane.push_back(Urodzenie(rok(gen), miesiac(gen), dzien(gen), m / 60, m % 60, przes(gen),
                             dlug(gen), szer(gen), nieznany(gen) == 0));
  }
  return dane;
}

bool WszystkoSkonczone(const TWykresUrodz& w) {
  bool ok = true;
  for (double x : w.DlugEkl)
    ok = ok && std::isfinite(x) && x >= 0.0 && x < 360.0;
  for (double x : w.Deklinacja)
    ok = ok && std::isfinite(x);
  for (double x : w.Wierzcholek)
    ok = ok && std::isfinite(x);
  for (const auto& a : w.Aspekty)
    ok = ok && std::isfinite(a.Odchylenie);
  return ok;
}

} // namespace

TEST(ObliczWykresUrodz, FaktySlotowIPunktow) {
  const auto dane = LosoweUrodzenia(200, 11);
  TStanOrbow orby;
  for (const auto& d : dane) {
    const auto wynik = ObliczWykresUrodzZPozycjami(d, orby);
    ASSERT_TRUE(wynik) << wynik.Blad.Komunikat;
    const TWykresUrodz& w = wynik->Wykres;
    const TPozycjeCial& p = wynik->Pozycje;
    ASSERT_TRUE(WszystkoSkonczone(w));
    const auto analiza = AnalizujWykres(OrbyDomyslne(), wynik->Moment, p);
    // Slot 1 Sun-Moon, 13 Sun-Midheaven, 90 descending node-Midheaven, 86 empty.
    EXPECT_EQ(w.Aspekty[1], analiza.AspektyPar[SlotAnalizy(1, 2)]);
    EXPECT_EQ(w.Aspekty[13], analiza.AspektyPar[SlotAnalizy(1, 15)]);
    EXPECT_EQ(w.Paralele[13], analiza.ParalelePar[SlotAnalizy(1, 15)]);
    EXPECT_EQ(w.Aspekty[90], analiza.AspektyPar[SlotAnalizy(12, 15)]);
    EXPECT_EQ(w.Aspekty[86], TAspekt{});
    EXPECT_EQ(w.Paralele[86], TAspekt{});
    for (int n : {1, 2, 11, 12})
      EXPECT_FALSE(w.Retro[n]) << n;
    for (int n = 1; n <= 12; ++n) {
      EXPECT_GE(w.PozycjaPunktu[n].Znak, 1);
      EXPECT_LE(w.PozycjaPunktu[n].Znak, 12);
      EXPECT_GE(w.PozycjaPunktu[n].Stopien, 0.0);
      EXPECT_LT(w.PozycjaPunktu[n].Stopien, 30.0);
    }
    if (d.CzasNieznany) {
      for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(w.DomPunktu[n], 0);
        EXPECT_EQ(w.PozycjaDomu[n], TPozycjaWZnaku{});
      }
      for (double x : w.Wierzcholek)
        EXPECT_EQ(x, 0.0);
      EXPECT_EQ(w.Deklinacja[13], 0.0);
      EXPECT_EQ(w.Deklinacja[14], 0.0);
      for (int k = 1; k <= LiczbaSlotowWykresu; ++k)
        if (ParaSlotuWykresu(k).B > 12) {
          EXPECT_EQ(w.Aspekty[k].Rodzaj, -1) << k;
          EXPECT_EQ(w.Paralele[k].Rodzaj, -1) << k;
        }
    } else {
      for (int n = 1; n <= 12; ++n) {
        EXPECT_GE(w.DomPunktu[n], 1);
        EXPECT_LE(w.DomPunktu[n], 12);
      }
      EXPECT_EQ(w.Wierzcholek[1], p.Domy[1]);
      EXPECT_NEAR(w.Wierzcholek[1], p.DlugEkl[13], 1e-9); // the Ascendant is cusp 1
    }
  }
}

TEST(ObliczWykresUrodz, PowtorzalnyTakzePoPorownaniu) {
  const auto d1 = Urodzenie(1980, 5, 17, 14, 25, 120, -1257, 3014);
  const auto d2 = Urodzenie(1975, 11, 2, 0, 0, 60, -1197, 3004, true);
  TStanOrbow orby;
  const auto pierwszy = ObliczWykresUrodz(d1, orby);
  ASSERT_TRUE(pierwszy);
  orby.TablicaOrbow.fill(0); // a spoiled table must not leak into the next chart
  ASSERT_TRUE(ObliczWykresPorown(d2, d1, orby));
  orby.TablicaOrbow.fill(20);
  const auto drugi = ObliczWykresUrodz(d1, orby);
  ASSERT_TRUE(drugi);
  EXPECT_EQ(*pierwszy, *drugi);
  EXPECT_EQ(*pierwszy, *ObliczWykresUrodz(d1));
}

TEST(ObliczWykresUrodz, SzerokoscPodbiegunowaToBlad) {
  // 70° N fails wherever the cusps do not exist; 60° N always succeeds.
  int bledy = 0;
  for (const auto& d0 : LosoweUrodzenia(100, 5)) {
    TDaneKosmotypuUrodz d = d0;
    d.CzasNieznany = false;
    d.Szer = 70 * 60;
    const auto w = ObliczWykresUrodz(d);
    if (!w) {
      ++bledy;
      EXPECT_NE(w.Blad.Komunikat.find("szerokości"), std::string::npos) << w.Blad.Komunikat;
      const auto p = ObliczWykresPorown(Urodzenie(1980, 5, 17, 14, 25, 120, -1257, 3014), d);
      ASSERT_FALSE(p);
      EXPECT_EQ(p.Blad.Komunikat.rfind("Osoba 2: ", 0), 0u) << p.Blad.Komunikat;
    } else {
      EXPECT_TRUE(WszystkoSkonczone(*w));
    }
    d.Szer = -60 * 60;
    const auto poludnie = ObliczWykresUrodz(d);
    ASSERT_TRUE(poludnie) << poludnie.Blad.Komunikat;
    EXPECT_TRUE(WszystkoSkonczone(*poludnie));
    // Without a birth time there are no houses, so any latitude gives a chart.
    d.Szer = 80 * 60;
    d.CzasNieznany = true;
    EXPECT_TRUE(ObliczWykresUrodz(d));
  }
  EXPECT_GT(bledy, 0);
}

TEST(ObliczWykresPorown, ZSamymSoba) {
  for (const auto& d : LosoweUrodzenia(20, 3)) {
    const auto p = ObliczWykresPorown(d, d);
    ASSERT_TRUE(p) << p.Blad.Komunikat;
    EXPECT_EQ(p->Wykres1, p->Wykres2);
    EXPECT_EQ(p->Wykres1, *ObliczWykresUrodz(d));
    for (int a : PunktyPorown) {
      const TAspekt s = p->AspektyPorown[SlotPorown(a, a)];
      if (d.CzasNieznany && a > 12) {
        EXPECT_EQ(s, TAspekt{});
        continue;
      }
      EXPECT_EQ(s.Rodzaj, 0) << a;
      EXPECT_EQ(s.Odchylenie, 0.0) << a;
      EXPECT_FALSE(s.Zbliza) << a;
    }
  }
}

TEST(ObliczWykresPorown, ZamianaOsobINieznanyCzas) {
  const auto d1 = Urodzenie(1980, 5, 17, 14, 25, 120, -1257, 3014);
  const auto d2 = Urodzenie(1975, 11, 2, 0, 0, 60, -1197, 3004, true);
  const auto p12 = ObliczWykresPorown(d1, d2);
  const auto p21 = ObliczWykresPorown(d2, d1);
  ASSERT_TRUE(p12);
  ASSERT_TRUE(p21);
  EXPECT_EQ(p12->Wykres1, p21->Wykres2);
  for (int a : PunktyPorown)
    for (int b : PunktyPorown) {
      const TAspekt x = p12->AspektyPorown[SlotPorown(a, b)];
      EXPECT_EQ(x, p21->AspektyPorown[SlotPorown(b, a)]) << a << " " << b;
      EXPECT_TRUE(x.Rodzaj == -1 || x.Odchylenie <= 4.0);
      if (b > 12) { // person 2 has no birth time: no angles on that side
        EXPECT_EQ(x, TAspekt{}) << a << " " << b;
      }
    }
}
