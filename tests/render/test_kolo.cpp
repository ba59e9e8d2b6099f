// Geometry of the natal wheel: turn, axis ends, hit rectangles, spreading.
#include "kolo.h"
#include "wykres_testowy.h"
#include "zapis_rysunku.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace grafika;

namespace {

constexpr int S = RozmiarKola;
constexpr double Ri = 1000 - 200.1 - 40.02;
constexpr double PromienStartu = Ri - 133 / 2.0 - 100 / 4.0;

struct TKolo {
  TStanGrafiki Stan;
  TProstokatySymboli Symbole;
  TProstokatyKropek Kropki;
  QPicture Obraz;
};

TKolo Narysuj(const wykres::TWykresUrodz& w, bool druk = false) {
  TKolo k;
  UstawPalete(k.Stan.Paleta, druk);
  k.Obraz = RysujKolo(k.Stan, w, k.Symbole, k.Kropki);
  return k;
}

QPoint Rog(const TProstokatTrafienia& p) {
  return QPoint(static_cast<int>(std::lround(static_cast<double>(p.X1 * S))),
                static_cast<int>(std::lround(static_cast<double>(p.Y1 * S))));
}

// Points 3..12 far away from the first two, 15 degrees apart.
std::array<double, 12> Dwa(double l1, double l2, double asc) {
  std::array<double, 12> d{};
  d[0] = l1;
  d[1] = l2;
  for (int i = 2; i < 12; ++i)
    d[static_cast<std::size_t>(i)] = asc + 150 + 15 * i;
  return d;
}

} // namespace

TEST(Kolo, ObrotAscendentIOsie) {
  for (const double asc : {0.0, 123.4, 359.9}) {
    const TKolo k = Narysuj(WykresTestowy(Dwa(10, 50, asc), asc));
    EXPECT_EQ(k.Stan.Kolo.Obrot, -asc);
    EXPECT_EQ(k.Stan.Kolo.SrodekX, 1000);
    EXPECT_EQ(k.Stan.Kolo.SrodekY, 1000);
    // The Ascendant marker: a 12-unit square around (240, 1000).
    EXPECT_EQ(k.Kropki[13], Ulamki(234, 994, 246, 1006, S)) << asc;
    // The red axis of width 10 runs from (240, 1000) to (1760, 1000).
    const TZapisRysunku z = ZapiszRysunek(k.Obraz, S, S);
    int czerwone = 0;
    for (const auto& l : z.Linie())
      if (l.KolorPiora == QColor(255, 0, 0) && l.GruboscPiora == 10) {
        ++czerwone;
        EXPECT_EQ(l.Punkty[0], QPointF(240, 1000));
        EXPECT_EQ(l.Punkty[1], QPointF(1760, 1000));
      }
    EXPECT_EQ(czerwone, 1);
  }
}

TEST(Kolo, SlonceNigdySieNieRusza) {
  // However crowded its neighbourhood, the Sun keeps its start radius.
  for (const double l : {0.0, 77.7, 200.0}) {
    std::array<double, 12> d;
    d.fill(l);
    const TKolo k = Narysuj(WykresTestowy(d, 30));
    const QPoint oczekiwany = PunktNaKole(k.Stan.Kolo, l, PromienStartu) - QPoint(50, 66);
    EXPECT_EQ(Rog(k.Symbole[1]), oczekiwany) << l;
  }
}

TEST(Kolo, DwaPunktyWJednymMiejscu) {
  const struct {
    double odAsc;
    int kroki;
  } przypadki[] = {{0, 4}, {180, 4}, {90, 5}, {270, 5}}; // horizontal, vertical rays
  const double asc = 40;
  for (const auto& c : przypadki) {
    const double l = asc + c.odAsc;
    const TKolo k = Narysuj(WykresTestowy(Dwa(l, l, asc), asc));
    const QPoint oczekiwany =
        PunktNaKole(k.Stan.Kolo, l, PromienStartu - 20.0 * c.kroki) - QPoint(50, 66);
    EXPECT_EQ(Rog(k.Symbole[2]), oczekiwany) << c.odAsc;
  }
}

TEST(Kolo, StelliumKonczyNaPromieniuSto) {
  std::array<double, 12> d;
  d.fill(100.0);
  const TKolo k = Narysuj(WykresTestowy(d, 10));
  EXPECT_EQ(Rog(k.Symbole[12]), PunktNaKole(k.Stan.Kolo, 100.0, 100) - QPoint(50, 66));
  // Each later glyph stands no further out than the one before.
  for (int p = 2; p <= 12; ++p) {
    const QPoint a = Rog(k.Symbole[p - 1]) + QPoint(50, 66) - QPoint(1000, 1000);
    const QPoint b = Rog(k.Symbole[p]) + QPoint(50, 66) - QPoint(1000, 1000);
    EXPECT_LE(std::hypot(b.x(), b.y()), std::hypot(a.x(), a.y()) + 1) << p;
  }
}

TEST(Kolo, ProstokatyTrafieniaToUlamkiRysunku) {
  const wykres::TWykresUrodz w = WykresPrzykladowy();
  const TKolo k = Narysuj(w);
  const TZapisRysunku z = ZapiszRysunek(k.Obraz, S, S);
  for (int p = 1; p <= 12; ++p) {
    const TProstokatTrafienia& s = k.Symbole[p];
    EXPECT_TRUE(s.X1 >= 0 && s.X2 <= 1 && s.Y1 >= 0 && s.Y2 <= 1) << p;
    // The glyph box is the glyph's width and the font's height.
    const bool wezel = p >= 11;
    EXPECT_NEAR(static_cast<double>((s.X2 - s.X1) * S), wezel ? 70 : 100, 0.5) << p;
    EXPECT_NEAR(static_cast<double>((s.Y2 - s.Y1) * S), wezel ? 93 : 133, 0.5) << p;
    // The glyph is drawn at that corner.
    const auto teksty = z.TekstyRowne(QString(QLatin1Char(ZnakiPunktow[p])));
    ASSERT_EQ(teksty.size(), 1u) << p;
    EXPECT_EQ(teksty[0].RogLewyGorny.toPoint(), Rog(s)) << p;
    // The dot: 12 units around the point on the middle of the degree ring.
    const QPoint srodek = PunktNaKole(k.Stan.Kolo, w.DlugEkl[p], Ri + 40.02 / 2);
    const TPudelko d = PudelkoKropki(srodek, 12);
    EXPECT_EQ(k.Kropki[p], Ulamki(d.L, d.T, d.R, d.B, S)) << p;
    EXPECT_EQ(d.R - d.L, 12);
  }
  const QPoint mc = PunktNaKole(k.Stan.Kolo, w.Wierzcholek[4] + 180, Ri);
  const TPudelko d = PudelkoKropki(mc, 12);
  EXPECT_EQ(k.Kropki[14], Ulamki(d.L, d.T, d.R, d.B, S));
}

TEST(Kolo, DwanascieZnakowZodiakuIKolory) {
  const TKolo k = Narysuj(WykresPrzykladowy());
  const TZapisRysunku z = ZapiszRysunek(k.Obraz, S, S);
  for (int s = 1; s <= 12; ++s) {
    const auto t = z.TekstyRowne(QString(QLatin1Char(ZnakiZodiaku[s])));
    ASSERT_EQ(t.size(), 1u) << s;
    EXPECT_EQ(t[0].Kolor, k.Stan.Paleta.KolorZnakow);
    EXPECT_EQ(t[0].Em, 160);
    const QPoint c = PunktNaKole(k.Stan.Kolo, 30 * (s - 0.5), 1000 - 100.05);
    EXPECT_EQ(t[0].RogLewyGorny.toPoint(), c - QPoint(60, 80)) << s;
  }
  EXPECT_EQ(z.TekstyRowne("4")[0].Kolor, k.Stan.Paleta.KolorSwiatel);
  EXPECT_EQ(z.TekstyRowne(">")[0].Kolor, k.Stan.Paleta.KolorWezlow);
  EXPECT_EQ(z.TekstyRowne(">")[0].Em, 93); // the nodes are smaller (70 points)
}

TEST(Kolo, WDrukuBezBialegoKwadratu) {
  const auto biale = [](const TKolo& k) {
    int n = 0;
    for (const auto& s : ZapiszRysunek(k.Obraz, S, S).Ksztalty)
      if (s.Pedzel.style() == Qt::SolidPattern && s.Pedzel.color() == QColor(Qt::white))
        ++n;
    return n;
  };
  EXPECT_EQ(biale(Narysuj(WykresPrzykladowy(), false)), 1);
  EXPECT_EQ(biale(Narysuj(WykresPrzykladowy(), true)), 0);
}

TEST(Kolo, RetroDomyIAspektyNieZmieniajaKola) {
  wykres::TWykresUrodz a = WykresPrzykladowy();
  wykres::TWykresUrodz b = a;
  b.Retro = {};
  b.DomPunktu = {};
  b.Aspekty = {};
  TKolo ka = Narysuj(a), kb = Narysuj(b);
  EXPECT_EQ(ka.Obraz.size(), kb.Obraz.size());
  EXPECT_EQ(QByteArray(ka.Obraz.data(), ka.Obraz.size()),
            QByteArray(kb.Obraz.data(), kb.Obraz.size()));
}
