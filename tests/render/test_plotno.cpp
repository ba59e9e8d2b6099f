// The canvas: font sizes and heights, text placement, the symbol font and
// replay at any device resolution.
#include "czcionki.h"
#include "plotno.h"
#include "zapis_rysunku.h"
#include "znaki.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

using namespace grafika;

TEST(Plotno, RozmiarWPunktachIWysokoscKomorki) {
  QPicture obraz;
  TPlotno c(obraz, 100, 100);
  const struct {
    int punkty, wysokosc;
  } przypadki[] = {{100, 133}, {120, 160}, {96, 128}, {91, 121}, {70, 93}, {64, 85}};
  for (const auto& p : przypadki) {
    c.UstawCzcionkePunkty(CzcionkaSymboli, p.punkty);
    EXPECT_EQ(c.RozmiarCzcionki(), p.punkty);
    EXPECT_EQ(c.WysokoscCzcionki(), p.wysokosc) << p.punkty;
    EXPECT_EQ(c.Czcionka().pixelSize(), p.wysokosc);
  }
  // Table fonts are given by their cell height, internal leading included.
  for (const int h : {14, 23, 27, 31}) {
    c.UstawCzcionkeWysokosc(CzcionkaTekstu, h);
    EXPECT_EQ(c.WysokoscCzcionki(), h);
    EXPECT_EQ(c.RozmiarCzcionki(), Zaokr(h * 72.0 / 96.0));
    EXPECT_NEAR(c.WysokoscTekstu("Planety"), h, 1) << h;
    c.UstawCzcionkeWysokosc(CzcionkaSymboli, h);
    EXPECT_EQ(c.WysokoscTekstu("4"), h);
  }
}

TEST(Plotno, TekstZostawiaPioroNaKoncu) {
  QPicture obraz;
  {
    TPlotno c(obraz, 300, 100);
    c.UstawCzcionkeWysokosc(CzcionkaTekstu, 20);
    c.Tekst(10, 20, QStringLiteral("Księżyc"));
    EXPECT_EQ(c.PozycjaPiora(), QPoint(10 + c.SzerokoscTekstu(QStringLiteral("Księżyc")), 20));
  }
  const TZapisRysunku z = ZapiszRysunek(obraz, 300, 100);
  ASSERT_EQ(z.Teksty.size(), 1u);
  EXPECT_NEAR(z.Teksty[0].RogLewyGorny.x(), 10, 1e-9);
  EXPECT_NEAR(z.Teksty[0].RogLewyGorny.y(), 20, 1e-9);
  EXPECT_TRUE(z.Ksztalty.empty()); // no background box behind text
}

TEST(Plotno, StanPoczatkowy) {
  QPicture obraz;
  {
    TPlotno c(obraz, 50, 50);
    c.Prostokat(0, 0, 10, 10);
    c.UstawStylPedzla(TStylPedzla::Pusty);
    c.Elipsa(0, 0, 10, 10);
  }
  EXPECT_EQ(obraz.boundingRect(), QRect(0, 0, 50, 50));
  const TZapisRysunku z = ZapiszRysunek(obraz, 50, 50);
  ASSERT_EQ(z.Ksztalty.size(), 2u);
  EXPECT_NE(z.Ksztalty[1].Rodzaj, TZapisKsztaltu::Linia);
  EXPECT_EQ(z.Ksztalty[0].KolorPiora, QColor(Qt::black));
  EXPECT_EQ(z.Ksztalty[0].Pedzel.color(), QColor(Qt::white));
  EXPECT_EQ(z.Ksztalty[0].Pedzel.style(), Qt::SolidPattern);
  EXPECT_EQ(z.Ksztalty[1].Pedzel.style(), Qt::NoBrush);
}

TEST(CzcionkaSymboli, MaKazdyZnakISzerokoscRownaRozmiarowi) {
  QFont f(CzcionkaSymboli);
  f.setPixelSize(133); // 100 points
  EXPECT_EQ(QFontInfo(f).family(), CzcionkaSymboli);
  QImage wzorzec(8, 8, QImage::Format_ARGB32);
  wzorzec.setDotsPerMeterX(3780);
  wzorzec.setDotsPerMeterY(3780);
  const QFontMetrics fm(f, &wzorzec);
  QString znaki;
  for (const char z : ZnakiZodiaku)
    znaki += QLatin1Char(z);
  for (const char z : ZnakiPunktow)
    znaki += QLatin1Char(z);
  for (const TZnakAspektu& a : ZnakiAspektow)
    znaki += QLatin1Char(a.Znak);
  for (const QChar z : znaki) {
    EXPECT_TRUE(fm.inFont(z)) << z.toLatin1();
    EXPECT_EQ(fm.horizontalAdvance(z), 100) << z.toLatin1(); // W = the size in points
    const QRect ink = fm.boundingRect(z);                    // real ink, not a blank
    EXPECT_GT(std::max(ink.width(), ink.height()), 70) << z.toLatin1();
  }
  EXPECT_EQ(fm.height(), 133); // H = the em: the cell has no internal leading
}

TEST(CzcionkaTekstu, TahomaMaZastepstwo) {
  QFont f(CzcionkaTekstu);
  f.setPixelSize(20);
  const QString rodzina = QFontInfo(f).family();
  EXPECT_TRUE(rodzina == CzcionkaTekstu || rodzina == ZastepstwoTekstu) << rodzina.toStdString();
}

TEST(Plotno, OdtworzenieNiezalezneOdRozdzielczosci) {
  QPicture obraz;
  {
    TPlotno c(obraz, 400, 200);
    c.UstawPioro(Qt::blue, 6);
    c.PrzesunDo(10, 10);
    c.LiniaDo(390, 190);
    c.UstawCzcionkeWysokosc(CzcionkaTekstu, 60);
    c.Tekst(20, 100, QStringLiteral("Aspekty"));
  }
  const auto raster = [&](int dpm) {
    QImage im(200, 100, QImage::Format_RGB32);
    im.setDotsPerMeterX(dpm);
    im.setDotsPerMeterY(dpm);
    im.fill(Qt::white);
    QPainter p(&im);
    OdtworzObraz(p, obraz, {400, 200}, QRectF(0, 0, 200, 100));
    return im;
  };
  const QImage a = raster(3780);
  EXPECT_EQ(a, raster(7559));  // 192 dpi
  EXPECT_EQ(a, raster(11811)); // 300 dpi
}

TEST(Plotno, CosNarysowano) {
  QPicture obraz;
  {
    TPlotno c(obraz, 40, 40);
    c.UstawPedzel(Qt::red, TStylPedzla::Pelny);
    c.WypelnijProstokat(0, 0, 40, 40);
  }
  QImage im(20, 20, QImage::Format_RGB32);
  im.fill(Qt::white);
  QPainter p(&im);
  OdtworzObraz(p, obraz, {40, 40}, QRectF(0, 0, 20, 20));
  p.end();
  EXPECT_EQ(im.pixelColor(10, 10), QColor(Qt::red));
  EXPECT_EQ(im.pixelColor(19, 19), QColor(Qt::red));
}
