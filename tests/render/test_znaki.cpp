// Glyph tables, colour rules, palettes, the wheel point and the degree text.
#include "plotno.h"
#include "tabele.h"
#include "znaki.h"

#include <gtest/gtest.h>

using namespace grafika;

TEST(Znaki, TabliceZnakowToCiagiAscii) {
  for (int s = 1; s <= 12; ++s)
    EXPECT_EQ(ZnakiZodiaku[s], '(' + s - 1);
  for (int p = 1; p <= 12; ++p)
    EXPECT_EQ(ZnakiPunktow[p], '4' + p - 1);
  const char aspekty[] = "@ABCDEFGHJK";
  for (int i = 1; i <= 11; ++i)
    EXPECT_EQ(ZnakiAspektow[i].Znak, aspekty[i - 1]);
}

TEST(Znaki, TylkoJedenascieRodzajowMaZnak) {
  const int zZnakiem[] = {0, 2, 5, 7, 9, 11, 12, 14, 15, 16, 17};
  for (int r = -1; r <= 18; ++r) {
    const bool ma = std::find(std::begin(zZnakiem), std::end(zZnakiem), r) != std::end(zZnakiem);
    EXPECT_EQ(WpisZnakuAspektu(r) != 0, ma) << "rodzaj " << r;
  }
  EXPECT_EQ(WpisZnakuAspektu(0), 1);
  EXPECT_EQ(WpisZnakuAspektu(17), 11);
}

TEST(Znaki, KlasyKolorowAspektow) {
  TPaletaWykresu p;
  const struct {
    int rodzaj;
    QColor kolor;
  } przypadki[] = {{0, p.KolorSwiatel},    {2, Qt::black},      {5, p.KolorNapiety},
                   {7, p.KolorHarmonijny}, {9, p.KolorNapiety}, {11, p.KolorHarmonijny},
                   {12, p.KolorNapiety},   {14, Qt::black},     {15, p.KolorNapiety},
                   {16, Qt::black},        {17, Qt::black},     {1, Qt::black}};
  for (const auto& c : przypadki)
    EXPECT_EQ(KolorAspektu(p, c.rodzaj), c.kolor) << "rodzaj " << c.rodzaj;
}

TEST(Znaki, KolorZnakuPunktuWedlugZnaku) {
  TPaletaWykresu p;
  p.KolorWezlow = QColor(1, 2, 3); // tell the nodes from the signs
  for (int i = 1; i <= 12; ++i) {
    const char z = ZnakiPunktow[i];
    const QColor oczekiwany = i <= 2 ? p.KolorSwiatel : (i >= 11 ? p.KolorWezlow : p.KolorPlanet);
    EXPECT_EQ(KolorZnakuPunktu(p, z), oczekiwany) << "punkt " << i;
  }
}

TEST(Palety, EkranDrukKolorowyICzarnoBialy) {
  TPaletaWykresu p;
  UstawPalete(p, false);
  EXPECT_FALSE(p.TrybDruku);
  EXPECT_EQ(p.KolorSwiatel, QColor(255, 255, 0));
  EXPECT_EQ(p.KolorOsiMC, QColor(255, 0, 255));

  TPaletaWykresu kolor;
  UstawPalete(kolor, true, DrukKolorowy);
  EXPECT_TRUE(kolor.TrybDruku);
  TPaletaWykresu oczekiwana = p;
  oczekiwana.TrybDruku = true;
  oczekiwana.KolorSwiatel = QColor(250, 120, 0);
  EXPECT_EQ(kolor, oczekiwana);

  TPaletaWykresu czb;
  UstawPalete(czb, true, DrukCzarnoBialy);
  for (const QColor& k :
       {czb.KolorZnakow, czb.KolorPlanet, czb.KolorSwiatel, czb.KolorOsiAsc, czb.KolorOsiMC,
        czb.KolorWezlow, czb.KolorHarmonijny, czb.KolorNapiety, czb.KolorRetro})
    EXPECT_EQ(k, QColor(0, 0, 0));

  // An unknown print kind keeps the colours, but still prints; the next
  // screen redraw brings the screen colours back.
  TPaletaWykresu inna = czb;
  UstawPalete(inna, true, 7);
  EXPECT_TRUE(inna.TrybDruku);
  EXPECT_EQ(inna.KolorZnakow, QColor(0, 0, 0));
  UstawPalete(inna, false, DrukCzarnoBialy);
  EXPECT_EQ(inna, p);
}

TEST(Geometria, PunktNaKole) {
  const TGeometriaKola kolo{1000, 1000, -123.4};
  const double asc = 123.4;
  const struct {
    double dlugosc, promien;
    QPoint punkt;
  } przypadki[] = {
      {asc, 759.88, {240, 1000}},        // the Ascendant at 9 o'clock
      {asc + 90, 759.88, {1000, 1760}},  // 90 degrees later at the bottom
      {asc + 180, 759.88, {1760, 1000}}, // the Descendant at the right
      {asc + 270, 500, {1000, 500}},     // the Midheaven side at the top
      {asc, 1000.5, {0, 1000}},          // -1000.5 rounds to the even -1000
      {asc + 720, 100, {900, 1000}},     // any longitude maps onto the wheel
  };
  for (const auto& c : przypadki)
    EXPECT_EQ(PunktNaKole(kolo, c.dlugosc, c.promien), c.punkt) << c.dlugosc << " " << c.promien;
}

TEST(Zaokraglanie, PolowkiDoParzystej) {
  const struct {
    double x;
    int wynik;
  } przypadki[] = {{1000.5, 1000}, {66.5, 66}, {2.5, 2},  {3.5, 4},
                   {-0.5, 0},      {-1.5, -2}, {0.49, 0}, {0.51, 1}};
  for (const auto& c : przypadki)
    EXPECT_EQ(Zaokr(c.x), c.wynik) << c.x;
  EXPECT_EQ(TekstOrbu(2.5), "2");
  EXPECT_EQ(TekstOrbu(3.5), "4");
  EXPECT_EQ(TekstOrbu(0.2), "0");
}

TEST(TekstStopni, Przypadki) {
  const struct {
    bool sekundy;
    double stopnie;
    const char* tekst;
  } przypadki[] = {
      {true, 5 + 7 / 60.0 + 9.6 / 3600.0, "05° 07' 09\""},
      {false, 5 + 7 / 60.0 + 9.6 / 3600.0, "05° 07'"},
      {true, 0.0, "00° 00' 00\""},
      {false, 29.9999, "29° 59'"},
      {true, 29.9999, "29° 59' 59\""},
      {true, 12.5, "12° 30' 00\""},
  };
  for (const auto& c : przypadki)
    EXPECT_EQ(TekstStopni(c.sekundy, c.stopnie), QString::fromUtf8(c.tekst)) << c.stopnie;
}

TEST(Nazwy, PunktyIAspekty) {
  EXPECT_EQ(NazwaPunktu(1), QString::fromUtf8("SŁOŃCE"));
  EXPECT_EQ(NazwaPunktu(11), NazwaPunktu(12));
  EXPECT_EQ(NazwaPunktu(13), "ASCENDENT");
  EXPECT_EQ(NazwaAspektu(12), QString::fromUtf8("PÓŁTORAKWADRAT"));
  EXPECT_EQ(NazwaAspektu(16), "");
}
