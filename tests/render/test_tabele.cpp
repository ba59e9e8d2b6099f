// The planets, houses and aspect tables, checked on what they draw.
#include "czcionki.h"
#include "plotno.h"
#include "tabele.h"
#include "wykres_testowy.h"
#include "zapis_rysunku.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace grafika;

namespace {

TPaletaWykresu Ekran() {
  TPaletaWykresu p;
  UstawPalete(p, false);
  return p;
}

int GoraWiersza(int i, double H2, double dzielnik) {
  const double rowH = H2 / dzielnik;
  return Zaokr((i + 1) * 0.1 * rowH + i * rowH);
}

} // namespace

TEST(TabelaPlanet, PozycjaZeroISekundy) {
  wykres::TWykresUrodz w = WykresPrzykladowy();
  w.DlugEkl[1] = 30.0;
  w.PozycjaPunktu[1] = {2, 0.0};
  const TZapisRysunku z = ZapiszRysunek(RysujTabelePlanet(Ekran(), w, 232, 446), 232, 446);
  const int y1 = GoraWiersza(1, 446, 16.6);
  std::vector<TZapisTekstu> t;
  for (const auto& z1 : z.TekstyRowne(QString::fromUtf8("  00° 00' 00\" ")))
    if (z1.RogLewyGorny.y() == y1)
      t.push_back(z1);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].RogLewyGorny.toPoint(), QPoint(Zaokr(0.21 * 232 + 0.01 * 0.47 * 232), y1));
  // The sign glyph follows the text directly, in the sign colour.
  const auto znak = z.TekstyRowne(")");
  ASSERT_FALSE(znak.empty());
  bool jest = false;
  for (const auto& s : znak)
    jest |= s.RogLewyGorny.y() == y1 && s.Kolor == Ekran().KolorZnakow;
  EXPECT_TRUE(jest);
  EXPECT_EQ(z.TekstyRowne("Planety").size(), 1u);
  EXPECT_EQ(z.TekstyRowne("ASC").size(), 1u);
  EXPECT_EQ(z.TekstyRowne("MC").size(), 1u);
}

TEST(TabelaPlanet, RetroTylkoWWierszachTrzyDoDziesieciu) {
  wykres::TWykresUrodz w = WykresPrzykladowy();
  for (int p = 1; p <= 12; ++p)
    w.Retro[p] = true;
  const TZapisRysunku z = ZapiszRysunek(RysujTabelePlanet(Ekran(), w, 232, 446), 232, 446);
  const auto r = z.TekstyRowne("R");
  ASSERT_EQ(r.size(), 8u);
  for (std::size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(r[i].RogLewyGorny.y(), GoraWiersza(static_cast<int>(i) + 3, 446, 16.6));
    EXPECT_EQ(r[i].Kolor, Ekran().KolorRetro);
    EXPECT_LT(r[i].RogLewyGorny.x(), 232); // stays inside the table
  }
}

TEST(TabelaDomow, MinutyBezSekundIBezCzasu) {
  const QRegularExpression bezSekund(QString::fromUtf8("^\\d\\d° \\d\\d'  $"));
  const wykres::TWykresUrodz w = WykresPrzykladowy();
  const TZapisRysunku z = ZapiszRysunek(RysujTabeleDomow(Ekran(), w, 178, 390), 178, 390);
  int stopnie = 0;
  for (const auto& t : z.Teksty)
    stopnie += bezSekund.match(t.Tekst).hasMatch();
  EXPECT_EQ(stopnie, 12);
  EXPECT_EQ(z.TekstyRowne("Domy (Placidus)").size(), 1u);
  EXPECT_EQ(z.TekstyRowne("12").size(), 1u);

  // Without a birth time the cusps are unknown: numbers only, no positions.
  wykres::TWykresUrodz bez = w;
  bez.PozycjaDomu = {};
  bez.Wierzcholek = {};
  const TZapisRysunku zb = ZapiszRysunek(RysujTabeleDomow(Ekran(), bez, 178, 390), 178, 390);
  EXPECT_EQ(zb.Teksty.size(), 13u); // header and the twelve numbers
  const TZapisRysunku zp = ZapiszRysunek(RysujTabelePlanet(Ekran(), bez, 232, 446), 232, 446);
  EXPECT_EQ(zp.TekstyRowne("ASC").size(), 1u);
  int pozycje = 0;
  for (const auto& t : zp.Teksty)
    pozycje += t.Tekst.startsWith("  ");
  EXPECT_EQ(pozycje, 12); // the points, not the angles
}

TEST(TabelaAspektow, KomorkaSlotu13IOrby) {
  const double colW = 1042 / 13.0, rowH = 462 / 14.0;
  const int xZnaku = Zaokr(0.3 * colW), y = Zaokr(13 * rowH); // row 14, column 1
  const struct {
    int rodzaj;
    double orb;
    bool zbliza;
    const char* znak; // nullptr: the cell stays empty
    const char* liczba;
  } przypadki[] = {
      {9, 2.5, true, "D", "2"},           {15, 3.5, false, "H", "4"},
      {0, 0.4, false, "@", "0"},          {16, 1.0, false, "J", "1"},
      {1, 1.0, false, nullptr, nullptr},  {3, 1.0, false, nullptr, nullptr},
      {4, 1.0, false, nullptr, nullptr},  {6, 1.0, false, nullptr, nullptr},
      {8, 1.0, false, nullptr, nullptr},  {10, 1.0, false, nullptr, nullptr},
      {13, 1.0, false, nullptr, nullptr}, {-1, 0.0, false, nullptr, nullptr},
  };
  for (const auto& c : przypadki) {
    wykres::TWykresUrodz w;
    w.Aspekty[13] = {c.rodzaj, c.orb, c.zbliza};
    TPokazaneAspekty pokazane;
    for (auto& a : pokazane)
      a = {5, 7.0, true};
    long double uk = 0, uw = 0;
    const TZapisRysunku z =
        ZapiszRysunek(RysujTabeleAspektow(Ekran(), w, 1042, 462, pokazane, uk, uw), 1042, 462);
    EXPECT_NEAR(static_cast<double>(uw), 1.0 / 14, 1e-15);
    EXPECT_NEAR(static_cast<double>(uk), 1.0 / 13, 1e-15);
    for (int k = 1; k <= 90; ++k)
      if (k != 13) {
        EXPECT_EQ(pokazane[k].Rodzaj, -1);
        EXPECT_EQ(pokazane[k].Odchylenie, 7.0); // only the kind is cleared
      }
    // 14 labels, then glyph and orb of the one aspect.
    if (c.znak == nullptr) {
      EXPECT_EQ(pokazane[13].Rodzaj, -1) << c.rodzaj;
      EXPECT_EQ(z.Teksty.size(), 14u) << c.rodzaj;
      continue;
    }
    EXPECT_EQ(pokazane[13], w.Aspekty[13]);
    ASSERT_EQ(z.Teksty.size(), 16u) << c.rodzaj;
    const auto& g = z.Teksty[14];
    const auto& o = z.Teksty[15];
    EXPECT_EQ(g.Tekst, QString::fromLatin1(c.znak));
    EXPECT_EQ(g.RogLewyGorny.toPoint(), QPoint(xZnaku, y));
    EXPECT_EQ(g.Kolor, KolorAspektu(Ekran(), c.rodzaj));
    EXPECT_EQ(o.Tekst, QString::fromLatin1(c.liczba)) << c.orb;
    EXPECT_EQ(o.RogLewyGorny.toPoint(), QPoint(xZnaku + Zaokr(0.3 * colW), y));
    // An applying aspect's number is underlined: the underline is one more shape.
    EXPECT_EQ(z.Ksztalty.size(), c.zbliza ? 30u : 29u) << c.rodzaj;
    EXPECT_EQ(o.Kolor, QColor(Qt::black));
  }
}

TEST(TabelaAspektow, EtykietyISiatka) {
  const TZapisRysunku z = ZapiszRysunek(
      [] {
        TPokazaneAspekty p;
        long double a, b;
        return RysujTabeleAspektow(Ekran(), wykres::TWykresUrodz{}, 1042, 462, p, a, b);
      }(),
      1042, 462);
  const double colW = 1042 / 13.0, rowH = 462 / 14.0;
  // ASC in column 13 of row 13, MC in column 13 of row 14: no ASC-MC cell.
  const auto asc = z.TekstyRowne("ASC"), mc = z.TekstyRowne("MC");
  ASSERT_EQ(asc.size(), 1u);
  ASSERT_EQ(mc.size(), 1u);
  EXPECT_EQ(asc[0].RogLewyGorny.y(), Zaokr(12 * rowH));
  EXPECT_EQ(mc[0].RogLewyGorny.y(), Zaokr(13 * rowH));
  EXPECT_GT(mc[0].RogLewyGorny.x(), 12 * colW);
  EXPECT_GT(asc[0].RogLewyGorny.x(), 12 * colW);
  // 15 horizontal, the left edge and 13 vertical lines.
  EXPECT_EQ(z.Linie().size(), 29u);
}
