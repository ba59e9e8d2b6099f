// Writing every drawing of a chart as PNG and SVG.
#include "eksport.h"
#include "kolo.h"
#include "wykres_testowy.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using namespace grafika;

namespace {

TAspektyPorown AspektySamZSoba() {
  TAspektyPorown a;
  for (int n = 1; n <= 12; ++n)
    a[(n - 1) * 12 + n] = {0, 0.0, false};
  a[(1 - 1) * 12 + 5] = {15, 3.0, true}; // Sun A - Mars B: a line
  return a;
}

void SprawdzPliki(const std::vector<TRysunek>& rysunki, const QString& katalog,
                  const std::vector<std::pair<const char*, QSize>>& oczekiwane) {
  ASSERT_EQ(rysunki.size(), oczekiwane.size());
  for (const auto& [nazwa, rozmiar] : oczekiwane) {
    const QString baza = QDir(katalog).filePath(QString::fromLatin1(nazwa));
    const QImage png(baza + ".png");
    EXPECT_EQ(png.size(), rozmiar) << nazwa;
    QFile svg(baza + ".svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << nazwa;
    EXPECT_TRUE(svg.readAll().contains("<svg")) << nazwa;
  }
}

} // namespace

TEST(Eksport, SzescRysunkowUrodzeniowych) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString katalog = tmp.filePath("rysunki/urodz"); // created on demand
  TStanGrafiki stan;
  UstawPalete(stan.Paleta, false);
  const auto rysunki = RysunkiUrodz(stan, WykresPrzykladowy());
  QString blad;
  ASSERT_TRUE(ZapiszRysunki(rysunki, katalog, blad)) << blad.toStdString();
  SprawdzPliki(rysunki, katalog,
               {{"kolo", {500, 500}},
                {"aspekty", {521, 231}},
                {"domy", {89, 195}},
                {"planety", {116, 223}},
                {"planety_w_domach", {193, 85}},
                {"planety_w_znakach", {193, 85}}});
}

TEST(Eksport, DwanascieRysunkowPorownania) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  TStanGrafikiPorown stan;
  UstawPalete(stan.Paleta, true, DrukCzarnoBialy);
  const auto w = WykresPrzykladowy();
  const auto rysunki = RysunkiPorown(stan, w, w, AspektySamZSoba());
  QString blad;
  ASSERT_TRUE(ZapiszRysunki(rysunki, tmp.path(), blad)) << blad.toStdString();
  SprawdzPliki(rysunki, tmp.path(),
               {{"kolo", {500, 500}},
                {"aspekty_porown", {353, 231}},
                {"aspekty_urodz", {353, 257}},
                {"suma_aspektow", {73, 125}},
                {"planety1", {116, 223}},
                {"planety2", {116, 223}},
                {"domy1", {89, 105}},
                {"domy2", {89, 105}},
                {"pwz1", {193, 85}},
                {"pwz2", {193, 85}},
                {"pwd1", {193, 85}},
                {"pwd2", {193, 85}}});
}

TEST(Eksport, ZnakiZodiakuMajaTuszWPierscieniu) {
  TStanGrafiki stan;
  UstawPalete(stan.Paleta, false);
  const auto rysunki = RysunkiUrodz(stan, WykresPrzykladowy());
  const QImage kolo = ObrazRastrowy(rysunki.front());
  ASSERT_EQ(kolo.size(), QSize(500, 500));
  // Around the centre of each sign glyph (radius R0 - w1 / 2 on the canvas)
  // there must be blue ink of the sign colour.
  const double skala = 500.0 / RozmiarKola;
  for (int s = 1; s <= 12; ++s) {
    const QPoint c = PunktNaKole(stan.Kolo, 30.0 * (s - 0.5), 1000 - 100.05);
    int niebieskie = 0;
    for (int dy = -12; dy <= 12; ++dy)
      for (int dx = -12; dx <= 12; ++dx) {
        const QColor k = kolo.pixelColor(int(c.x() * skala) + dx, int(c.y() * skala) + dy);
        if (k.blue() > 150 && k.red() < 120 && k.green() < 120)
          ++niebieskie;
      }
    EXPECT_GT(niebieskie, 15) << "znak " << s;
  }
}

TEST(Eksport, BladZapisuToKomunikat) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  QFile plik(tmp.filePath("zajete"));
  ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
  plik.close();
  TStanGrafiki stan;
  QString blad;
  EXPECT_FALSE(
      ZapiszRysunki(RysunkiUrodz(stan, WykresPrzykladowy()), tmp.filePath("zajete/x"), blad));
  EXPECT_TRUE(blad.startsWith(QString::fromUtf8("Nie można"))) << blad.toStdString();
}
