// The comparison renderer: double wheel, grids, lists and the count table.
#include "grafika_porown.h"
#include "plotno.h"
#include "wykres_testowy.h"
#include "zapis_rysunku.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace grafika;

namespace {

constexpr int S = RozmiarKola;
constexpr double R4 = 1000 - 280.14 - 30.015 - 160.08 - 30.015;
constexpr double R5 = R4 - 280.14;
constexpr double R6 = R5 - 30.015 / 1.5;

struct TKoloPorown {
  TStanGrafikiPorown Stan;
  TProstokatySymboliPorown Symbole;
  TProstokatyKropekPorown Kropki;
  QPicture Obraz;
};

TKoloPorown Narysuj(const wykres::TWykresUrodz& a, const wykres::TWykresUrodz& b,
                    const TAspektyPorown& asp) {
  TKoloPorown k;
  UstawPalete(k.Stan.Paleta, false);
  for (auto& p : k.Kropki)
    p = {9, 9, 9, 9};
  k.Obraz = RysujKoloPorown(k.Stan, a, b, asp, k.Symbole, k.Kropki);
  return k;
}

QPoint Rog(const TProstokatTrafienia& p) {
  return QPoint(static_cast<int>(std::lround(static_cast<double>(p.X1 * S))),
                static_cast<int>(std::lround(static_cast<double>(p.Y1 * S))));
}

TAspektyPorown SamZSoba() {
  TAspektyPorown a;
  for (int n = 1; n <= 12; ++n)
    a[(n - 1) * 12 + n] = {0, 0.0, false};
  return a;
}

// Aspect lines: width-1 pens in the harmonious or the tension colour.
std::vector<TZapisKsztaltu> LinieAspektow(const TKoloPorown& k) {
  std::vector<TZapisKsztaltu> w;
  for (const auto& l : ZapiszRysunek(k.Obraz, S, S).Linie())
    if (l.GruboscPiora <= 1 && (l.KolorPiora == k.Stan.Paleta.KolorHarmonijny ||
                                l.KolorPiora == k.Stan.Paleta.KolorNapiety))
      w.push_back(l);
  return w;
}

std::array<double, 12> Dwa(double l, double asc) {
  std::array<double, 12> d{};
  d[0] = d[1] = l;
  for (int i = 2; i < 12; ++i)
    d[static_cast<std::size_t>(i)] = asc + 150 + 15 * i;
  return d;
}

} // namespace

TEST(KoloPorown, RozsuwanieGranice64I85Krok18i2) {
  const double asc = 20;
  const struct {
    double odAsc;
    int kroki;
  } przypadki[] = {{0, 4}, {90, 5}}; // 4 x 18.2 > 64 across, 5 x 18.2 > 85 down
  for (const auto& c : przypadki) {
    const auto w = WykresTestowy(Dwa(asc + c.odAsc, asc), asc);
    const TKoloPorown k = Narysuj(w, w, {});
    const double start1 = R4 - 121 / 3.0 - 91 / 4.0;
    const double start2 = 1000 - 121 / 3.0 - 91 / 4.0;
    const QPoint pol(46, 60); // round(91 / 2) = 46 (45.5 to even), round(121 / 2) = 60
    const double l = asc + c.odAsc;
    EXPECT_EQ(Rog(k.Symbole[1]), PunktNaKole(k.Stan.Kolo, l, start1) - pol);
    EXPECT_EQ(Rog(k.Symbole[2]), PunktNaKole(k.Stan.Kolo, l, start1 - 18.2 * c.kroki) - pol);
    // Person 2 is spread on its own ring, against its own points only.
    EXPECT_EQ(Rog(k.Symbole[13]), PunktNaKole(k.Stan.Kolo, l, start2) - pol);
    EXPECT_EQ(Rog(k.Symbole[14]), PunktNaKole(k.Stan.Kolo, l, start2 - 18.2 * c.kroki) - pol);
    // Glyphs are drawn 9 units right of their box.
    const auto t = ZapiszRysunek(k.Obraz, S, S).TekstyRowne("4");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].RogLewyGorny.toPoint(), Rog(k.Symbole[1]) + QPoint(9, 0));
  }
}

TEST(KoloPorown, ProstokatyIStrzalka) {
  const auto w1 = WykresPrzykladowy();
  const auto w2 = WykresTestowy({200, 10, 220, 250, 100, 80, 30, 60, 90, 120, 150, 330}, 100);
  const TKoloPorown k = Narysuj(w1, w2, {});
  for (int e = 1; e <= 24; ++e) {
    EXPECT_TRUE(k.Symbole[e].X1 > 0 && k.Symbole[e].X2 < 1) << e;
    EXPECT_NEAR(static_cast<double>((k.Kropki[e].X2 - k.Kropki[e].X1) * S), 12, 1e-9) << e;
  }
  for (int e = 25; e <= 28; ++e)
    EXPECT_EQ(k.Kropki[e], (TProstokatTrafienia{9, 9, 9, 9}));
  const TPudelko d =
      PudelkoKropki(PunktNaKole(k.Stan.Kolo, w2.DlugEkl[3], R4 + 160.08 + 30.015 + 15.0075), 12);
  EXPECT_EQ(k.Kropki[15], Ulamki(d.L, d.T, d.R, d.B, S));
  // Person 2's Ascendant: a filled arrowhead of 3 degrees from radius 920 to the rim.
  bool strzalka = false;
  for (const auto& s : ZapiszRysunek(k.Obraz, S, S).Ksztalty)
    if (s.Rodzaj == TZapisKsztaltu::Wielokat && s.Punkty.size() == 3) {
      strzalka = true;
      EXPECT_EQ(s.Punkty[0].toPoint(), PunktNaKole(k.Stan.Kolo, 100, 1000));
      EXPECT_EQ(s.Punkty[1].toPoint(), PunktNaKole(k.Stan.Kolo, 101.5, 920));
      EXPECT_EQ(s.Punkty[2].toPoint(), PunktNaKole(k.Stan.Kolo, 98.5, 920));
      EXPECT_EQ(s.Pedzel.color(), k.Stan.Paleta.KolorOsiAsc);
    }
  EXPECT_TRUE(strzalka);
}

TEST(KoloPorown, LinieAspektow) {
  const auto w1 = WykresPrzykladowy();
  const auto w2 = WykresTestowy({200, 10, 220, 250, 100, 80, 30, 60, 90, 120, 150, 330}, 100);
  // Self-comparison conjunctions never make lines.
  EXPECT_TRUE(LinieAspektow(Narysuj(w1, w1, SamZSoba())).empty());

  const struct {
    int a, b, rodzaj;
    double orb;
    bool linia;
  } przypadki[] = {{1, 5, 15, 3.0, true},  {1, 5, 15, 3.5, false}, {11, 1, 7, 1.0, true},
                   {12, 3, 11, 2.0, true}, {2, 2, 14, 0.1, false}, {4, 4, 12, 0.1, false},
                   {3, 3, 9, 0.0, true},   {3, 3, 1, 0.0, false}};
  for (const auto& c : przypadki) {
    TAspektyPorown a;
    a[(c.a - 1) * 12 + c.b] = {c.rodzaj, c.orb, false};
    const TKoloPorown k = Narysuj(w1, w2, a);
    const auto linie = LinieAspektow(k);
    ASSERT_EQ(linie.size(), c.linia ? 1u : 0u) << c.a << " " << c.b << " " << c.rodzaj;
    if (!c.linia)
      continue;
    EXPECT_EQ(linie[0].Punkty[0].toPoint(),
              PunktNaKole(k.Stan.Kolo, DlugoscPunktuPorown(w1, c.a), R6));
    EXPECT_EQ(linie[0].Punkty[1].toPoint(),
              PunktNaKole(k.Stan.Kolo, DlugoscPunktuPorown(w2, c.b), R5));
    const bool harmonia = c.rodzaj == 7 || c.rodzaj == 11;
    EXPECT_EQ(linie[0].KolorPiora,
              harmonia ? k.Stan.Paleta.KolorHarmonijny : k.Stan.Paleta.KolorNapiety);
  }
  // The comparison points 11 and 12 are the Ascendant and the Midheaven.
  EXPECT_EQ(DlugoscPunktuPorown(w1, 11), w1.Wierzcholek[1]);
  EXPECT_EQ(DlugoscPunktuPorown(w1, 12), w1.Wierzcholek[4] + 180);
}

TEST(SiatkiPorown, ListySamegoZSoba) {
  const auto w = WykresPrzykladowy();
  TStanGrafikiPorown stan;
  UstawPalete(stan.Paleta, false);
  for (auto& e : stan.ListaAspektowPorown)
    e = {7, 7, 7};
  long double uk = 0, uw = 0;
  TAspektyPorown asp = SamZSoba();
  asp[(1 - 1) * 12 + 5] = {15, 3.5, true}; // no line, but a cell
  const TZapisRysunku z =
      ZapiszRysunek(RysujTabeleAspektowPorown(stan, asp, 706, 462, uk, uw), 706, 462);
  EXPECT_NEAR(static_cast<double>(uk), 1.0 / 13, 1e-15);
  EXPECT_NEAR(static_cast<double>(uw), 1.0 / 13, 1e-15);
  EXPECT_EQ(stan.ListaAspektowPorown[1], (TWpisAspektuPorown{1, 1, 1}));
  EXPECT_EQ(stan.ListaAspektowPorown[2], (TWpisAspektuPorown{5, 1, 16}));
  for (int n = 2; n <= 12; ++n)
    EXPECT_EQ(stan.ListaAspektowPorown[n + 1], (TWpisAspektuPorown{n, n, 1})) << n;
  for (int k = 14; k <= 144; ++k)
    EXPECT_EQ(stan.ListaAspektowPorown[k], TWpisAspektuPorown{}) << k;
  // Diagonal cells: the conjunction glyph with orb 0.
  const auto koniunkcje = z.TekstyRowne("@");
  ASSERT_EQ(koniunkcje.size(), 12u);
  const double rowH = 462 / 13.0, colW = 706 / 13.0;
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(koniunkcje[static_cast<std::size_t>(n - 1)].RogLewyGorny.x(),
              Zaokr(n * colW + 0.3 * colW));
    EXPECT_NEAR(koniunkcje[static_cast<std::size_t>(n - 1)].RogLewyGorny.y(), n * rowH + 3.7, 1.5);
  }
  EXPECT_EQ(z.TekstyRowne("0").size(), 12u);
  EXPECT_EQ(z.TekstyRowne("4").size(), 3u); // Sun labels twice, orb 3.5 -> 4 once

  // Natal grid: the same natal aspects for both persons, below and above the diagonal.
  ZapiszRysunek(RysujTabeleAspektowUrodz(stan, w, w, 706, 514, uk, uw), 706, 514);
  EXPECT_EQ(stan.ListaAspektowUrodz1, stan.ListaAspektowUrodz2);
  int wpisy = 0;
  for (const auto& e : stan.ListaAspektowUrodz1)
    wpisy += e.RodzajPlus1 != 0;
  EXPECT_EQ(wpisy, 9); // ten aspects in the chart, the vigintile not shown
  EXPECT_EQ(stan.ListaAspektowUrodz1[1], (TWpisAspektuUrodz{1, 3, 8}));  // Sun-Mercury sextile
  EXPECT_EQ(stan.ListaAspektowUrodz1[2], (TWpisAspektuUrodz{1, 9, 1}));  // Sun-Neptune conjunction
  EXPECT_EQ(stan.ListaAspektowUrodz1[3], (TWpisAspektuUrodz{1, 12, 1})); // Sun-ASC (grid 12)
  EXPECT_EQ(stan.ListaAspektowUrodz1[5], (TWpisAspektuUrodz{2, 11, 1})); // Moon-North Node
}

TEST(SiatkiPorown, WDrukuMniejszeLiczby) {
  TAspektyPorown asp;
  asp[1] = {9, 1.0, false};
  int em[2];
  for (const bool druk : {false, true}) {
    TStanGrafikiPorown stan;
    UstawPalete(stan.Paleta, druk);
    long double uk, uw;
    const TZapisRysunku z =
        ZapiszRysunek(RysujTabeleAspektowPorown(stan, asp, 706, 462, uk, uw), 706, 462);
    const auto l = z.TekstyRowne("1");
    ASSERT_EQ(l.size(), 1u);
    em[druk] = l[0].Em;
  }
  EXPECT_EQ(em[0], EmDlaWysokosciKomorki("Tahoma", Zaokr(0.85 * 26)));
  EXPECT_EQ(em[1], EmDlaWysokosciKomorki("Tahoma", Zaokr(0.8 * 26)));
}

TEST(SumaAspektow, PomijaPolkwadratIPoltorakwadrat) {
  TAspektyPorown a;
  const int rodzaje[] = {0, 0, 2, 5, 12, 7, 9, 11, 14, 15, 16, 1, 15};
  for (std::size_t i = 0; i < std::size(rodzaje); ++i)
    a[static_cast<int>(i) + 1] = {rodzaje[i], 1.0, false};
  const auto l = PoliczAspektyPorown(a);
  EXPECT_EQ(l, (TTablicaOd1<int, 8>{{2, 1, 1, 1, 1, 1, 2, 9}}));
  TPaletaWykresu p;
  const TZapisRysunku z = ZapiszRysunek(RysujSumeAspektow(p, a, 146, 250), 146, 250);
  EXPECT_EQ(z.TekstyRowne("9").size(), 1u);
  EXPECT_EQ(z.TekstyRowne("suma").size(), 1u);
  EXPECT_EQ(z.TekstyRowne("A")[0].Kolor, p.KolorHarmonijny);
  EXPECT_EQ(z.TekstyRowne("G")[0].Kolor, p.KolorNapiety);
  EXPECT_TRUE(z.TekstyRowne("B").empty());
  EXPECT_TRUE(z.TekstyRowne("F").empty());
}

TEST(DomyPorown, SzescWierzcholkow) {
  TPaletaWykresu p;
  const TZapisRysunku z =
      ZapiszRysunek(RysujTabeleDomowPorown(p, WykresPrzykladowy(), 178, 210), 178, 210);
  EXPECT_EQ(z.TekstyRowne("Domy (Placius)").size(), 1u);
  EXPECT_EQ(z.TekstyRowne("6").size(), 1u);
  EXPECT_TRUE(z.TekstyRowne("7").empty());
  EXPECT_EQ(z.Teksty.size(), 1u + 6 * 3);
}
