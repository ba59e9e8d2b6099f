// The natal and comparison wheels: turn, spreading of glyphs, hit rectangles.
#include "grafika_porown.h"
#include "kolo.h"
#include "wykres_testowy.h"
#include "zapis_rysunku.h"

#include <gtest/gtest.h>

using namespace grafika;

namespace {

constexpr double Ri = 1000 - 200.1 - 40.02; // R0 - w1 - w2

struct TKoloNarysowane {
  TStanGrafiki Stan;
  TProstokatySymboli Symbole;
  TProstokatyKropek Kropki;
  TZapisRysunku Zapis;
};

TKoloNarysowane Narysuj(const wykres::TWykresUrodz& w, bool druk = false) {
  TKoloNarysowane k;
  UstawPalete(k.Stan.Paleta, druk);
  const QPicture obraz = RysujKolo(k.Stan, w, k.Symbole, k.Kropki);
  k.Zapis = ZapiszRysunek(obraz, RozmiarKola, RozmiarKola);
  return k;
}

// Top-left corners of the point glyphs as drawn, in point order.
std::vector<QPoint> RogiZnakow(const TZapisRysunku& z) {
  std::vector<QPoint> rogi;
  for (int p = 1; p <= 12; ++p) {
    const auto t = z.TekstyRowne(QString(QLatin1Char(ZnakiPunktow[p])));
    EXPECT_EQ(t.size(), 1u) << "punkt " << p;
    rogi.push_back(t.empty() ? QPoint() : t.front().RogLewyGorny.toPoint());
  }
  return rogi;
}

} // namespace

TEST(Kolo, AscendentPoLewejIOsieGlowne) {
  const auto k = Narysuj(WykresPrzykladowy());
  EXPECT_DOUBLE_EQ(k.Stan.Kolo.Obrot, -12.0);
  EXPECT_EQ(k.Stan.Kolo.SrodekX, 1000);
  EXPECT_EQ(k.Stan.Kolo.SrodekY, 1000);
  // The Ascendant's marker: a 12-unit square around (240, 1000).
  EXPECT_EQ(k.Kropki[13], Ulamki(234, 994, 246, 1006, RozmiarKola));
  // The two width-10 axes: red from the Ascendant, fuchsia from the IC.
  int osie = 0;
  for (const auto& l : k.Zapis.Linie()) {
    if (l.GruboscPiora != 10)
      continue;
    ++osie;
    if (l.KolorPiora == k.Stan.Paleta.KolorOsiAsc)
      EXPECT_EQ(l.Punkty[0].toPoint(), QPoint(240, 1000));
    else
      EXPECT_EQ(l.KolorPiora, k.Stan.Paleta.KolorOsiMC);
  }
  EXPECT_EQ(osie, 2);
  // The IC lies 90 degrees after the Ascendant: at the bottom.
  EXPECT_EQ(PunktNaKole(k.Stan.Kolo, 12.0 + 90, Ri), QPoint(1000, 1760));
}

TEST(Kolo, ProstokatyTrafieniaToUlamkiRozmiaru) {
  const auto k = Narysuj(WykresPrzykladowy());
  for (int p = 1; p <= 14; ++p) {
    const auto& r = k.Kropki[p];
    EXPECT_NEAR(static_cast<double>((r.X2 - r.X1) * RozmiarKola), 12.0, 1e-9) << p;
    EXPECT_NEAR(static_cast<double>((r.Y2 - r.Y1) * RozmiarKola), 12.0, 1e-9) << p;
    EXPECT_TRUE(r.X1 > 0 && r.X2 < 1 && r.Y1 > 0 && r.Y2 < 1) << p;
  }
  const auto rogi = RogiZnakow(k.Zapis);
  for (int p = 1; p <= 12; ++p) {
    const auto& r = k.Symbole[p];
    EXPECT_EQ(r.X1, rogi[p - 1].x() / static_cast<long double>(RozmiarKola)) << p;
    EXPECT_EQ(r.Y1, rogi[p - 1].y() / static_cast<long double>(RozmiarKola)) << p;
    EXPECT_GT(r.X2, r.X1);
    EXPECT_GT(r.Y2, r.Y1);
  }
}

TEST(Kolo, RozsuwanieZnakow) {
  const double asc = 12.0;
  const TRegulaRozsuwania r = RegulaRozsuwaniaUrodz(Ri, 100, 133);
  EXPECT_DOUBLE_EQ(r.LimitX, 70);
  EXPECT_DOUBLE_EQ(r.LimitY, 93.1);
  EXPECT_DOUBLE_EQ(r.Krok, 20);
  EXPECT_DOUBLE_EQ(r.Podloga, 100);
  const TGeometriaKola kolo{1000, 1000, -asc};
  const auto narozeZ = [&](double dlug, double promien) {
    return PunktNaKole(kolo, dlug, promien) - QPoint(50, 66);
  };
  const struct {
    const char* opis;
    double dlugosc; // of the Sun and the Moon
    int kroki;      // of the Moon inward
  } przypadki[] = {{"poziomo", asc, 4},
                   {"poziomo z prawej", asc + 180, 4},
                   {"pionowo", asc + 90, 5},
                   {"pionowo u gory", asc + 270, 5}};
  for (const auto& c : przypadki) {
    std::array<double, 12> d{};
    for (int p = 0; p < 12; ++p)
      d[p] = asc + 100 + 25 * p; // the others stay out of the way
    d[0] = d[1] = c.dlugosc;
    const auto rogi = RogiZnakow(Narysuj(WykresTestowy(d, asc)).Zapis);
    EXPECT_EQ(rogi[0], narozeZ(c.dlugosc, r.PromienStartu)) << c.opis;
    EXPECT_EQ(rogi[1], narozeZ(c.dlugosc, r.PromienStartu - 20.0 * c.kroki)) << c.opis;
  }
}

TEST(Kolo, StelliumKonczySieNaPromieniu100) {
  const double asc = 12.0;
  std::array<double, 12> d{};
  d.fill(asc + 0.5);
  const auto rogi = RogiZnakow(Narysuj(WykresTestowy(d, asc)).Zapis);
  const TGeometriaKola kolo{1000, 1000, -asc};
  const double start = Ri - 133 / 2.0 - 100 / 4.0;
  EXPECT_EQ(rogi[0], PunktNaKole(kolo, asc + 0.5, start) - QPoint(50, 66)); // the Sun stays
  for (int p = 2; p <= 12; ++p)
    EXPECT_LT(rogi[p - 1].x(), 1000) << p; // still on the left of the centre
  // Each later point 80 units further in, until the floor at radius 100.
  EXPECT_EQ(rogi[1], PunktNaKole(kolo, asc + 0.5, start - 80) - QPoint(50, 66));
  EXPECT_EQ(rogi[11], PunktNaKole(kolo, asc + 0.5, 100) - QPoint(50, 66));
  EXPECT_EQ(rogi[10], rogi[11]); // overlap rather than cross the centre
}

TEST(Kolo, ZnakSlonacaNigdySieNiePrzesuwa) {
  for (const double slonce : {0.0, 12.0, 77.7, 200.0, 359.9}) {
    std::array<double, 12> d{};
    d.fill(slonce + 0.1); // everything crowds around the Sun
    const auto rogi = RogiZnakow(Narysuj(WykresTestowy(d, 40.0)).Zapis);
    const TGeometriaKola kolo{1000, 1000, -40.0};
    EXPECT_EQ(rogi[0], PunktNaKole(kolo, slonce + 0.1, Ri - 66.5 - 25) - QPoint(50, 66)) << slonce;
  }
}

TEST(Kolo, DrukBezBialegoTla) {
  const auto ekran = Narysuj(WykresPrzykladowy(), false);
  const auto druk = Narysuj(WykresPrzykladowy(), true);
  const auto biale = [](const TZapisRysunku& z) {
    int n = 0;
    for (const auto& k : z.Ksztalty)
      if (k.Rodzaj == TZapisKsztaltu::Prostokat && k.Pedzel.style() != Qt::NoBrush &&
          k.Pedzel.color() == Qt::white)
        ++n;
    return n;
  };
  EXPECT_EQ(biale(ekran.Zapis), 1);
  EXPECT_EQ(biale(druk.Zapis), 0);
}

TEST(KoloPorown, RegulaRozsuwania) {
  const TRegulaRozsuwania r = RegulaRozsuwaniaPorown(1000, 91, 121);
  EXPECT_DOUBLE_EQ(r.LimitX, 64);
  EXPECT_DOUBLE_EQ(r.LimitY, 85);
  EXPECT_DOUBLE_EQ(r.Krok, 18.2);
  EXPECT_DOUBLE_EQ(r.Podloga, 91);
  EXPECT_DOUBLE_EQ(r.PromienStartu, 1000 - 121 / 3.0 - 91 / 4.0);
  EXPECT_EQ(r.PolowaW, 46); // 45.5 to the even neighbour
  EXPECT_EQ(r.PolowaH, 60); // 60.5 likewise
}

TEST(KoloPorown, ProstokatyIOsobyRozdzielnie) {
  const auto w1 = WykresPrzykladowy();
  auto w2 = w1; // same longitudes: each person spreads only among his own points
  TStanGrafikiPorown stan;
  UstawPalete(stan.Paleta, false);
  TProstokatySymboliPorown symbole;
  TProstokatyKropekPorown kropki;
  TAspektyPorown aspekty;
  kropki[25] = {9, 9, 9, 9};
  RysujKoloPorown(stan, w1, w2, aspekty, symbole, kropki);
  EXPECT_DOUBLE_EQ(stan.Kolo.Obrot, -12.0);
  EXPECT_EQ(kropki[25], (TProstokatTrafienia{9, 9, 9, 9})); // 25..28 untouched
  for (int e = 1; e <= 24; ++e) {
    EXPECT_TRUE(symbole[e].X1 > 0 && symbole[e].X2 < 1 && symbole[e].Y1 > 0 && symbole[e].Y2 < 1)
        << e;
    EXPECT_NEAR(static_cast<double>((kropki[e].X2 - kropki[e].X1) * RozmiarKola), 12.0, 1e-9);
  }
  // Person 1's Sun on its start radius, person 2's Sun on its own.
  const auto naroze = [&](double krawedz) {
    const auto r = RegulaRozsuwaniaPorown(krawedz, 91, 121);
    const QPoint p = PunktNaKole(stan.Kolo, w1.DlugEkl[1], r.PromienStartu) - QPoint(46, 60);
    return Ulamki(p.x(), p.y(), 0, 0, RozmiarKola).X1;
  };
  const double R4 = 1000 - 0.14 * 2001 - 0.015 * 2001 - 0.08 * 2001 - 0.015 * 2001;
  EXPECT_EQ(symbole[1].X1, naroze(R4));
  EXPECT_EQ(symbole[13].X1, naroze(1000));
}
