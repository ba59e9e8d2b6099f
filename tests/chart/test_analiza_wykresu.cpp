#include "analiza_wykresu.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace wykres;

namespace {

// Every point far from every other, so only the pair a test sets up matters.
TPozycjeCial PozycjeRozproszone() {
  TPozycjeCial p;
  for (int n = 1; n <= 16; ++n) {
    p.DlugEkl[n] = p.DlugEklPozniej[n] = 0.0;
    p.Deklinacja[n] = p.DeklinacjaPozniej[n] = 0.0;
  }
  for (int h = 1; h <= 12; ++h)
    p.Domy[h] = p.DomyPozniej[h] = 30.0 * (h - 1) + 5.0;
  return p;
}

TMomentUrodz MomentZnany() {
  TMomentUrodz m;
  m.CzasNieznany = false;
  return m;
}

} // namespace

TEST(SzukajAspektu, OknaRodzajow) {
  const TStanOrbow orby = OrbyDomyslne();
  struct {
    double c, cPozniej;
    int rodzaj;
    double odchylenie;
    bool zbliza;
  } przypadki[] = {
      {38.0, 38.0, 3, 2.0, false},    // 36 +- 2 and 40 +- 2 share 38: the lower kind wins
      {38.5, 38.5, 4, 1.5, false},    //
      {9.0, 9.0, 0, 9.0, false},      //
      {9.5, 9.5, -1, 0.0, false},     //
      {171.0, 171.0, 15, 9.0, false}, //
      {170.9, 170.9, -1, 0.0, false}, //
      {88.0, 88.5, 9, 2.0, true},     // applying
      {92.0, 92.5, 9, 2.0, false},    // separating
      {88.0, 88.0, 9, 2.0, false},    // no change: not applying
      {0.0, 0.3, 0, 0.0, false},      //
      {360.0 / 7.0, 51.0, 6, 0.0, false}, {12.0, 12.0, -1, 0.0, false}, // gaps between the windows
      {67.0, 67.0, -1, 0.0, false},       {160.0, 160.0, -1, 0.0, false},
      {97.0, 97.0, 9, 7.0, false},        {106.0, 106.0, 10, 2.0, false},
      {127.0, 127.0, 11, 7.0, false},
  };
  for (const auto& p : przypadki) {
    const TAspekt a = SzukajAspektu(orby, p.c, p.cPozniej);
    EXPECT_EQ(a.Rodzaj, p.rodzaj) << p.c;
    EXPECT_NEAR(a.Odchylenie, p.odchylenie, 1e-12) << p.c;
    EXPECT_EQ(a.Zbliza, p.zbliza) << p.c;
  }
}

TEST(SzukajAspektu, TabliceRodzajowIOrbow) {
  EXPECT_EQ(TablicaKatow[0].Nazwa, "KONIUNKCJA");
  EXPECT_EQ(TablicaKatow[2].Nazwa, "PÓŁSEKSTYL");
  EXPECT_EQ(TablicaKatow[12].Nazwa, "PÓŁTORAKWADRAT");
  EXPECT_EQ(TablicaKatow[15].Kat, 180.0);
  for (int k = 1; k < LiczbaRodzajowKatowych; ++k)
    EXPECT_LT(TablicaKatow[k - 1].Kat, TablicaKatow[k].Kat);
  const TStanOrbow orby = OrbyDomyslne();
  EXPECT_EQ(orby.TablicaOrbow[0], 9);
  EXPECT_EQ(orby.TablicaOrbow[7], 5);
  EXPECT_EQ(orby.TablicaOrbow[9], 7);
  EXPECT_EQ(orby.TablicaOrbow[11], 7);
  EXPECT_EQ(orby.TablicaOrbow[15], 9);
  EXPECT_EQ(orby.TablicaOrbow[16], 2);
  // A changed table is restored by UstawOrby.
  TStanOrbow zmienione = orby;
  zmienione.TablicaOrbow[0] = 1;
  UstawOrby(zmienione);
  EXPECT_EQ(zmienione, orby);
  EXPECT_EQ(NazwaAspektu(Paralela), "");
}

TEST(AnalizujWykres, AspektyParyPunktow) {
  struct {
    double la, lb, laPozniej, lbPozniej;
    int rodzaj;
    double odchylenie;
    bool zbliza;
  } przypadki[] = {
      {10.0, 48.0, 10.0, 48.0, 3, 2.0, false},     {10.0, 48.5, 10.0, 48.5, 4, 1.5, false},
      {350.0, 10.0, 350.0, 10.0, 1, 2.0, false}, // across 0° Aries: 20° apart
      {5.0, 176.0, 5.0, 176.0, 15, 9.0, false},    {5.0, 175.9, 5.0, 175.9, -1, 0.0, false},
      {100.0, 188.0, 100.0, 188.5, 9, 2.0, true},  {100.0, 192.0, 100.0, 192.5, 9, 2.0, false},
      {200.0, 291.0, 199.5, 291.0, 9, 1.0, false}, // the first point moves away
  };
  const TStanOrbow orby = OrbyDomyslne();
  for (const auto& p : przypadki) {
    TPozycjeCial poz = PozycjeRozproszone();
    poz.DlugEkl[3] = p.la;
    poz.DlugEkl[7] = p.lb;
    poz.DlugEklPozniej[3] = p.laPozniej;
    poz.DlugEklPozniej[7] = p.lbPozniej;
    const TAspekt a = AnalizujWykres(orby, MomentZnany(), poz).AspektyPar[SlotAnalizy(3, 7)];
    EXPECT_EQ(a.Rodzaj, p.rodzaj) << p.la << " " << p.lb;
    EXPECT_NEAR(a.Odchylenie, p.odchylenie, 1e-5) << p.la << " " << p.lb;
    EXPECT_EQ(a.Zbliza, p.zbliza) << p.la << " " << p.lb;
  }
}

TEST(AnalizujWykres, Paralele) {
  struct {
    double da, db, daPozniej, dbPozniej;
    int rodzaj;
    double odchylenie;
    bool zbliza;
  } przypadki[] = {
      {10.5, -9.0, 10.5, -9.0, KontraParalela, 1.5, false},
      {10.5, 12.0, 10.5, 12.0, Paralela, 1.5, false},
      {0.0, -1.0, 0.0, -1.0, Paralela, 1.0, false}, // 0 counts for either side
      {0.0, 1.0, 0.0, 1.0, Paralela, 1.0, false},
      {-3.0, -5.0, -3.0, -4.0, Paralela, 2.0, true},
      {20.0, 17.5, 20.0, 17.5, -1, 0.0, false},
  };
  const TStanOrbow orby = OrbyDomyslne();
  for (const auto& p : przypadki) {
    TPozycjeCial poz = PozycjeRozproszone();
    poz.DlugEkl[1] = 10.0;
    poz.DlugEkl[5] = 77.0; // in the gap after the sextile
    poz.Deklinacja[1] = p.da;
    poz.Deklinacja[5] = p.db;
    poz.DeklinacjaPozniej[1] = p.daPozniej;
    poz.DeklinacjaPozniej[5] = p.dbPozniej;
    const auto w = AnalizujWykres(orby, MomentZnany(), poz);
    const TAspekt a = w.ParalelePar[SlotAnalizy(1, 5)];
    EXPECT_EQ(a.Rodzaj, p.rodzaj) << p.da << " " << p.db;
    EXPECT_NEAR(a.Odchylenie, p.odchylenie, 1e-5) << p.da << " " << p.db;
    EXPECT_EQ(a.Zbliza, p.zbliza) << p.da << " " << p.db;
    // Declination aspects are found independently of the angular ones.
    EXPECT_EQ(w.AspektyPar[SlotAnalizy(1, 5)].Rodzaj, -1);
  }
}

TEST(AnalizujWykres, ParaWezlowZawszePusta) {
  TPozycjeCial poz = PozycjeRozproszone();
  poz.DlugEkl[11] = poz.DlugEklPozniej[11] = 100.0;
  poz.DlugEkl[12] = poz.DlugEklPozniej[12] = 280.0;
  poz.Deklinacja[11] = poz.DeklinacjaPozniej[11] = 5.0;
  poz.Deklinacja[12] = poz.DeklinacjaPozniej[12] = -5.0;
  const auto w = AnalizujWykres(OrbyDomyslne(), MomentZnany(), poz);
  EXPECT_EQ(w.AspektyPar[SlotAnalizy(11, 12)], TAspekt{});
  EXPECT_EQ(w.ParalelePar[SlotAnalizy(11, 12)], TAspekt{});
}

TEST(AnalizujWykres, ZnakiIDomy) {
  TPozycjeCial poz = PozycjeRozproszone();
  const double domy[12] = {350, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320};
  for (int h = 1; h <= 12; ++h)
    poz.Domy[h] = domy[h - 1];
  struct {
    int punkt;
    double dlug;
    int znak, dom;
  } przypadki[] = {
      {1, 110.0, 4, 5},   // exactly on cusp 5: the house that begins there
      {2, 355.0, 12, 1},  // house 1 runs across 0° Aries
      {3, 5.0, 1, 1},     //
      {4, 20.0, 1, 2},    //
      {5, 349.9, 12, 12}, //
      {6, 30.0, 2, 2},    // exactly 30°: sign 2, degree 0
      {7, 0.0, 1, 1},     //
      {8, 359.999999, 12, 1}, {9, 319.99, 11, 11}, {10, 200.0, 7, 8},
      {11, 180.0, 7, 7},      {12, 0.0, 1, 1},
  };
  for (const auto& p : przypadki)
    poz.DlugEkl[p.punkt] = p.dlug;
  const auto w = AnalizujWykres(OrbyDomyslne(), MomentZnany(), poz);
  for (const auto& p : przypadki) {
    EXPECT_EQ(w.ZnakPunktu[p.punkt], p.znak) << p.punkt;
    EXPECT_EQ(w.DomPunktu[p.punkt], p.dom) << p.punkt;
  }
  EXPECT_EQ(w.ZnakDomu[1], 12);
  EXPECT_EQ(w.ZnakDomu[2], 1);
  EXPECT_EQ(w.ZnakDomu[7], 6);
  EXPECT_EQ(ZnakDlugosci(360.0), 12);
  EXPECT_EQ(ZnakDlugosci(-0.0), 1);
}

TEST(AnalizujWykres, NieznanyCzasUrodzenia) {
  TPozycjeCial poz = PozycjeRozproszone();
  poz.DlugEkl[1] = 10.0;
  poz.DlugEkl[2] = 100.0;  // square with the Sun
  poz.DlugEkl[13] = 10.0;  // would be a conjunction with the Sun
  poz.DlugEkl[15] = 100.0; // would be a square
  TMomentUrodz m = MomentZnany();
  m.CzasNieznany = true;
  const auto w = AnalizujWykres(OrbyDomyslne(), m, poz);
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(w.DomPunktu[n], 0) << n;
    EXPECT_EQ(w.ZnakDomu[n], 0) << n;
  }
  EXPECT_EQ(w.AspektyPar[SlotAnalizy(1, 2)].Rodzaj, 9);
  for (int s = 0; s < LiczbaSlotowAnalizy; ++s)
    if (ParaSlotuAnalizy(s).B > 12) {
      EXPECT_EQ(w.AspektyPar[s], TAspekt{}) << s;
      EXPECT_EQ(w.ParalelePar[s], TAspekt{}) << s;
    }
  // With the time known the same angles do make aspects.
  const auto znany = AnalizujWykres(OrbyDomyslne(), MomentZnany(), poz);
  EXPECT_EQ(znany.AspektyPar[SlotAnalizy(1, 13)].Rodzaj, 0);
  EXPECT_EQ(znany.AspektyPar[SlotAnalizy(1, 15)].Rodzaj, 9);
}

TEST(SzukajAspektu, OknaPrzygotowaneDajaToSamo) {
  // Also with an orb table whose windows are not in ascending order.
  TStanOrbow szerokie = OrbyDomyslne();
  szerokie.TablicaOrbow[15] = 60;
  for (const TStanOrbow& orby : {OrbyDomyslne(), szerokie}) {
    const TOknaAspektow okna = OknaAspektow(orby);
    for (int i = 0; i <= 18000; ++i) {
      const double c = i * 0.01;
      TAspekt oczekiwany{};
      for (int k = 0; k < LiczbaRodzajowKatowych; ++k) {
        const double kat = TablicaKatow[k].Kat, orb = orby.TablicaOrbow[k];
        if (kat - orb <= c && c <= kat + orb) {
          oczekiwany = {k, std::fabs(c - kat), std::fabs(c - kat) > std::fabs(c + 0.1 - kat)};
          break;
        }
      }
      ASSERT_EQ(SzukajAspektu(okna, c, c + 0.1), oczekiwany) << c;
    }
  }
}
