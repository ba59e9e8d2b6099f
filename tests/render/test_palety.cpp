// Palettes checked on rendered pixels.
#include "eksport.h"
#include "plotno.h"
#include "wykres_testowy.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace grafika;

namespace {

bool Kolorowy(const QColor& k) {
  return std::max({k.red(), k.green(), k.blue()}) - std::min({k.red(), k.green(), k.blue()}) > 8;
}

TAspektyPorown AspektyPorownTestowe() {
  TAspektyPorown a;
  for (int n = 1; n <= 12; ++n)
    a[(n - 1) * 12 + n] = {0, 0.5, false};
  a[2] = {7, 1.0, true};
  a[20] = {15, 2.0, false};
  a[30] = {11, 0.5, false};
  return a;
}

std::vector<TRysunek> Wszystkie(const TPaletaWykresu& paleta) {
  TStanGrafiki stan;
  stan.Paleta = paleta;
  auto r = RysunkiUrodz(stan, WykresPrzykladowy());
  TStanGrafikiPorown stanP;
  stanP.Paleta = paleta;
  const auto w2 = WykresTestowy({200, 10, 220, 250, 100, 80, 30, 60, 90, 120, 150, 330}, 100);
  for (auto& p : RysunkiPorown(stanP, WykresPrzykladowy(), w2, AspektyPorownTestowe()))
    r.push_back(std::move(p));
  return r;
}

} // namespace

TEST(PaletyNaPikselach, CzarnoBialyNieMaKoloru) {
  TPaletaWykresu czb;
  UstawPalete(czb, true, DrukCzarnoBialy);
  for (const TRysunek& r : Wszystkie(czb)) {
    const QImage im = ObrazRastrowy(r);
    int kolorowe = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x)
        kolorowe += Kolorowy(im.pixelColor(x, y));
    EXPECT_EQ(kolorowe, 0) << r.Nazwa.toStdString();
  }
}

TEST(PaletyNaPikselach, KolorowyRozniSieTylkoSwiatlamiIKoniunkcja) {
  // The colour print palette with the screen's yellow (and the screen's
  // layout) paints exactly the screen's pixels; with its own orange it
  // differs, so the lights and the conjunction are all that changes.
  TPaletaWykresu ekran;
  UstawPalete(ekran, false);
  TPaletaWykresu druk;
  UstawPalete(druk, true, DrukKolorowy);
  TPaletaWykresu drukZZoltym = druk;
  drukZZoltym.KolorSwiatel = ekran.KolorSwiatel;
  drukZZoltym.TrybDruku = false;
  TPaletaWykresu drukBezUkladu = druk;
  drukBezUkladu.TrybDruku = false;
  const auto a = Wszystkie(ekran), b = Wszystkie(drukZZoltym), c = Wszystkie(drukBezUkladu);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    const QImage ia = ObrazRastrowy(a[i]);
    EXPECT_EQ(ia, ObrazRastrowy(b[i])) << a[i].Nazwa.toStdString();
    const QImage ic = ObrazRastrowy(c[i]);
    int pomaranczowe = 0;
    for (int y = 0; y < ic.height(); ++y)
      for (int x = 0; x < ic.width(); ++x) {
        const QColor k = ic.pixelColor(x, y);
        pomaranczowe += ia.pixelColor(x, y) != k && k.red() > 200 && k.green() > 80 &&
                        k.green() < 200 && k.blue() < 120;
      }
    // Every drawing with a light or a conjunction shows orange ink.
    const std::string n = a[i].Nazwa.toStdString();
    if (n != "domy" && n != "domy1" && n != "domy2") {
      EXPECT_GT(pomaranczowe, 3) << n;
    }
  }
}

TEST(PaletyNaPikselach, DrukNieMalujeBialegoTlaKola) {
  for (const bool druk : {false, true}) {
    TStanGrafiki stan;
    UstawPalete(stan.Paleta, druk);
    const TRysunek kolo = RysunkiUrodz(stan, WykresPrzykladowy()).front();
    QImage im(500, 500, QImage::Format_RGB32);
    im.fill(QColor(128, 128, 128));
    QPainter p(&im);
    OdtworzObraz(p, kolo.Obraz, kolo.Plotno, QRectF(0, 0, 500, 500));
    p.end();
    // A corner outside the outer circle.
    EXPECT_EQ(im.pixelColor(3, 3), druk ? QColor(128, 128, 128) : QColor(Qt::white));
  }
}
