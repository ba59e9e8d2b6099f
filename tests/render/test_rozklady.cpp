// Planets in signs and in houses: buckets, cells, strips and fair-share widths.
#include "rozklady.h"
#include "wykres_testowy.h"
#include "zapis_rysunku.h"

#include <gtest/gtest.h>

using namespace grafika;

namespace {

TPaletaWykresu Ekran() {
  TPaletaWykresu p;
  UstawPalete(p, false);
  return p;
}

TTabela Potrzeby(int a, int b, int c) { // one need per column, the rest of each group 0
  return {a, 0, 0, 0, b, 0, 0, 0, c, 0, 0, 0};
}

std::vector<QString> Glify(const TZapisRysunku& z) {
  std::vector<QString> w;
  for (const auto& t : z.Teksty)
    if (t.Tekst.trimmed() != "")
      w.push_back(t.Tekst);
  return w;
}

} // namespace

TEST(SzerokosciKolumn, SprawiedliwyPodzial) {
  const struct {
    TTabela potrzeby;
    int calosc;
    TTabela szerokosci;
  } przypadki[] = {
      {Potrzeby(200, 0, 0), 347, {200, 74, 74}},    // one crowded column; 73.5 -> 74
      {Potrzeby(50, 60, 70), 347, {116, 116, 116}}, // all narrow: equal shares
      {Potrzeby(150, 140, 10), 347, {150, 140, 57}},
      {Potrzeby(130, 110, 10), 347, {130, 110, 107}},  // 110 gets its need on the second pass
      {Potrzeby(200, 200, 200), 347, {200, 200, 200}}, // more than the room: run past the border
      {Potrzeby(0, 0, 0), 348, {116, 116, 116}},
      {{10, 90, 5, 0, 0, 0, 0, 0, 0, 0, 0, 130}, 347, {108, 108, 130}}, // the largest of a group
  };
  for (const auto& c : przypadki)
    EXPECT_EQ(SzerokosciKolumn(c.potrzeby, 3, c.calosc), c.szerokosci) << c.potrzeby[0];
}

TEST(Rozklady, KubelkiIKomorki) {
  TTabela2 kubelki(12);
  GrupujPunkty({1, 1, 7, 12, 0, 4, 1}, kubelki); // item 5 has no house: left out
  EXPECT_EQ(kubelki[0], (TTabela{1, 2, 7}));
  EXPECT_EQ(kubelki[6], (TTabela{3}));
  EXPECT_EQ(kubelki[11], (TTabela{4}));
  const TTabela2 k = UlozKomorki(kubelki);
  // Columns {1, 7, 10, 4}, {5, 11, 2, 8}, {9, 3, 6, 12}.
  EXPECT_EQ(k[0], (TTabela{1, 2, 7}));
  EXPECT_EQ(k[1], (TTabela{3}));
  EXPECT_EQ(k[3], (TTabela{6}));
  EXPECT_EQ(k[11], (TTabela{4}));
  EXPECT_TRUE(k[4].empty());
}

TEST(Rozklady, PasekSymboli) {
  const TPasek p = PasekSymboli(Ekran(), {1, 5}, 40);
  const TZapisRysunku z = ZapiszRysunek(p.Obraz, p.Szerokosc, 40);
  std::vector<QString> teksty;
  double x = 0;
  for (const auto& t : z.Teksty) {
    teksty.push_back(t.Tekst);
    EXPECT_GE(t.RogLewyGorny.x(), x); // each run starts where the last ended
    x = t.RogLewyGorny.x();
  }
  EXPECT_EQ(teksty, (std::vector<QString>{" ", " ", "4", " ", "8", " ", " "}));
  EXPECT_GT(p.Szerokosc, 2 * 40 * 3 / 4);
  EXPECT_EQ(p.Obraz.boundingRect(), QRect(0, 0, p.Szerokosc, 40));
}

TEST(Rozklady, PlanetyWZnakachZAscPoGlifach) {
  // Moon before Sun in longitude, both in Aries with the Ascendant.
  wykres::TWykresUrodz w =
      WykresTestowy({20, 10, 40, 70, 100, 130, 160, 190, 220, 250, 280, 100}, 5);
  const TZapisRysunku z = ZapiszRysunek(RysujPlanetyWZnakach(Ekran(), w, 386, 170), 386, 170);
  const auto g = Glify(z);
  const auto pos = [&](const QString& t) { return std::find(g.begin(), g.end(), t) - g.begin(); };
  // Letters first, then the cells in order; Aries is cell 0: Sun, Moon, ASC.
  EXPECT_EQ(std::vector<QString>(g.begin(), g.begin() + 7),
            (std::vector<QString>{"K", "S", "Z", "O", "P", "Z", "W"}));
  EXPECT_LT(pos("4"), pos("5"));
  EXPECT_EQ(pos("ASC"), pos("5") + 1);
  EXPECT_NEAR(z.TekstyRowne("ASC")[0].RogLewyGorny.y(), z.TekstyRowne("4")[0].RogLewyGorny.y(), 1);
  EXPECT_EQ(z.TekstyRowne("ASC")[0].Kolor, Ekran().KolorWezlow);
}

TEST(Rozklady, PlanetyWDomachBezCzasuSaPuste) {
  wykres::TWykresUrodz w = WykresPrzykladowy();
  const auto zZ = Glify(ZapiszRysunek(RysujPlanetyWDomach(Ekran(), w, 386, 170), 386, 170));
  EXPECT_EQ(zZ.size(), 7u + 12u); // the letters and the twelve points
  w.DomPunktu = {};
  const TZapisRysunku z = ZapiszRysunek(RysujPlanetyWDomach(Ekran(), w, 386, 170), 386, 170);
  EXPECT_EQ(Glify(z), (std::vector<QString>{"K", "N", "U", "O", "P", "Z", "W"}));
}

TEST(Rozklady, ZmierzKolumnyMierzyPaski) {
  TTabela2 komorki(12);
  komorki[0] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  komorki[5] = {14};
  const TTabela w = ZmierzKolumny(Ekran(), komorki, 42, 3, 3);
  EXPECT_EQ(w[0], PasekSymboli(Ekran(), komorki[0], 42).Szerokosc);
  EXPECT_EQ(w[1], PasekSymboli(Ekran(), komorki[5], 42).Szerokosc);
  EXPECT_EQ(w[2], 1); // the narrow column shares what is left: round(1 / 1)
}
