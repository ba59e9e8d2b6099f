#include "wykres_urodz.h"

#include <gtest/gtest.h>

#include <random>

using namespace wykres;

namespace {

TPozycjeCial PozycjeLosowe(unsigned ziarno, bool czasNieznany) {
  std::mt19937 gen(ziarno);
  std::uniform_real_distribution<double> kat(0.0, 360.0), dekl(-25.0, 25.0), ruch(-0.5, 0.5);
  TPozycjeCial p;
  for (int n = 1; n <= 16; ++n) {
    const bool kat_domu = n >= 13;
    p.DlugEkl[n] = kat_domu && czasNieznany ? 0.0 : kat(gen);
    p.DlugEklPozniej[n] = kat_domu && czasNieznany ? 0.0 : p.DlugEkl[n] + ruch(gen);
    p.Deklinacja[n] = kat_domu && czasNieznany ? 0.0 : dekl(gen);
    p.DeklinacjaPozniej[n] = p.Deklinacja[n] + (kat_domu && czasNieznany ? 0.0 : ruch(gen));
  }
  for (int n = 3; n <= 10; ++n)
    p.Retro[n] = n % 2 == 0;
  for (int h = 1; h <= 12; ++h)
    p.Domy[h] = p.DomyPozniej[h] = czasNieznany ? 0.0 : std::fmod(200.0 + 30.0 * h, 360.0);
  return p;
}

TWykresUrodz Zloz(const TPozycjeCial& p, bool czasNieznany) {
  TMomentUrodz m;
  m.CzasNieznany = czasNieznany;
  return ZlozWykresUrodz(p, AnalizujWykres(OrbyDomyslne(), m, p), {14, 7});
}

} // namespace

TEST(ZlozWykresUrodz, SlotyTychSamychParWObuTablicach) {
  const TPozycjeCial p = PozycjeLosowe(5, false);
  TMomentUrodz m;
  const auto analiza = AnalizujWykres(OrbyDomyslne(), m, p);
  const TWykresUrodz w = ZlozWykresUrodz(p, analiza, {14, 7});
  for (int k = 1; k <= LiczbaSlotowWykresu; ++k) {
    const auto para = ParaSlotuWykresu(k);
    const int s = SlotAnalizy(para.A, para.B);
    EXPECT_EQ(w.Aspekty[k], analiza.AspektyPar[s]) << k;
    EXPECT_EQ(w.Paralele[k], analiza.ParalelePar[s]) << k;
  }
  EXPECT_EQ(ParaSlotuWykresu(1), (TParaPunktow{1, 2}));
  EXPECT_EQ(ParaSlotuWykresu(13), (TParaPunktow{1, 15}));
  EXPECT_EQ(ParaSlotuWykresu(90), (TParaPunktow{12, 15}));
  EXPECT_EQ(w.Aspekty[86], TAspekt{});
  EXPECT_EQ(w.Paralele[86], TAspekt{});
  const auto cg = obliczenia::RozkodujCzas(w.CzasGwiazdowy);
  EXPECT_EQ(cg.Godzina, 14);
  EXPECT_EQ(cg.Minuta, 7);
  EXPECT_EQ(cg.Sekunda, 0);
  EXPECT_LT(w.CzasGwiazdowy.Wartosc, 1.0);
}

TEST(ZlozWykresUrodz, PozycjeWZnakachIDomach) {
  const TPozycjeCial p = PozycjeLosowe(6, false);
  const TWykresUrodz w = Zloz(p, false);
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(w.DlugEkl[n], p.DlugEkl[n]);
    EXPECT_GE(w.PozycjaPunktu[n].Stopien, 0.0);
    EXPECT_LT(w.PozycjaPunktu[n].Stopien, 30.0);
    EXPECT_DOUBLE_EQ(30.0 * (w.PozycjaPunktu[n].Znak - 1) + w.PozycjaPunktu[n].Stopien,
                     p.DlugEkl[n]);
    EXPECT_GE(w.DomPunktu[n], 1);
    EXPECT_LE(w.DomPunktu[n], 12);
    EXPECT_EQ(w.Retro[n], p.Retro[n]);
    EXPECT_EQ(w.PozycjaDomu[n].Znak, static_cast<int>(p.Domy[n] / 30) + 1);
  }
  for (int n = 1; n <= 6; ++n)
    EXPECT_EQ(w.Wierzcholek[n], p.Domy[n]);
  for (int n = 1; n <= 14; ++n)
    EXPECT_EQ(w.Deklinacja[n], p.Deklinacja[n]);
}

TEST(ZlozWykresUrodz, NieznanyCzas) {
  const TWykresUrodz w = Zloz(PozycjeLosowe(8, true), true);
  int wsrodPlanet = 0;
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(w.DomPunktu[n], 0);
    EXPECT_EQ(w.PozycjaDomu[n], TPozycjaWZnaku{});
  }
  for (int n = 1; n <= 6; ++n)
    EXPECT_EQ(w.Wierzcholek[n], 0.0);
  EXPECT_EQ(w.Deklinacja[13], 0.0);
  EXPECT_EQ(w.Deklinacja[14], 0.0);
  for (int k = 1; k <= LiczbaSlotowWykresu; ++k) {
    if (ParaSlotuWykresu(k).B > 12) {
      EXPECT_EQ(w.Aspekty[k].Rodzaj, -1) << k;
      EXPECT_EQ(w.Paralele[k].Rodzaj, -1) << k;
    } else {
      wsrodPlanet += w.Aspekty[k].Rodzaj != -1;
    }
  }
  EXPECT_GT(wsrodPlanet, 0);
}
