#include "eksport.h"

#include "kolo.h"
#include "plotno.h"
#include "rozklady.h"
#include "tabele.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace grafika {

namespace {

TRysunek Rysunek(const char* nazwa, QPicture obraz, QSize piksele, QSize plotno) {
  return {QString::fromLatin1(nazwa), std::move(obraz), plotno, piksele};
}

// Tables are recorded at twice the pixel size of their image control.
TRysunek Tabela(const char* nazwa, QPicture obraz, QSize piksele) {
  return Rysunek(nazwa, std::move(obraz), piksele, piksele * 2);
}

const QSize Kolo(500, 500);
const QSize PlotnoKola(RozmiarKola, RozmiarKola);

} // namespace

std::vector<TRysunek> RysunkiUrodz(TStanGrafiki& stan, const wykres::TWykresUrodz& wykres) {
  const TPaletaWykresu& p = stan.Paleta;
  TProstokatySymboli symbole;
  TProstokatyKropek kropki;
  TPokazaneAspekty pokazane;
  long double ulamekKolumny = 0, ulamekWiersza = 0;
  std::vector<TRysunek> r;
  r.push_back(Rysunek("kolo", RysujKolo(stan, wykres, symbole, kropki), Kolo, PlotnoKola));
  r.push_back(Tabela(
      "aspekty", RysujTabeleAspektow(p, wykres, 1042, 462, pokazane, ulamekKolumny, ulamekWiersza),
      {521, 231}));
  r.push_back(Tabela("domy", RysujTabeleDomow(p, wykres, 178, 390), {89, 195}));
  r.push_back(Tabela("planety", RysujTabelePlanet(p, wykres, 232, 446), {116, 223}));
  r.push_back(Tabela("planety_w_domach", RysujPlanetyWDomach(p, wykres, 386, 170), {193, 85}));
  r.push_back(Tabela("planety_w_znakach", RysujPlanetyWZnakach(p, wykres, 386, 170), {193, 85}));
  return r;
}

std::vector<TRysunek> RysunkiPorown(TStanGrafikiPorown& stan, const wykres::TWykresUrodz& wykres1,
                                    const wykres::TWykresUrodz& wykres2,
                                    const TAspektyPorown& aspekty) {
  const TPaletaWykresu& p = stan.Paleta;
  TProstokatySymboliPorown symbole;
  TProstokatyKropekPorown kropki;
  long double uk = 0, uw = 0;
  std::vector<TRysunek> r;
  r.push_back(Rysunek("kolo", RysujKoloPorown(stan, wykres1, wykres2, aspekty, symbole, kropki),
                      Kolo, PlotnoKola));
  r.push_back(Tabela("aspekty_porown", RysujTabeleAspektowPorown(stan, aspekty, 706, 462, uk, uw),
                     {353, 231}));
  r.push_back(Tabela("aspekty_urodz",
                     RysujTabeleAspektowUrodz(stan, wykres1, wykres2, 706, 514, uk, uw),
                     {353, 257}));
  r.push_back(Tabela("suma_aspektow", RysujSumeAspektow(p, aspekty, 146, 250), {73, 125}));
  r.push_back(Tabela("planety1", RysujTabelePlanet(p, wykres1, 232, 446), {116, 223}));
  r.push_back(Tabela("planety2", RysujTabelePlanet(p, wykres2, 232, 446), {116, 223}));
  r.push_back(Tabela("domy1", RysujTabeleDomowPorown(p, wykres1, 178, 210), {89, 105}));
  r.push_back(Tabela("domy2", RysujTabeleDomowPorown(p, wykres2, 178, 210), {89, 105}));
  r.push_back(Tabela("pwz1", RysujPlanetyWZnakach(p, wykres1, 386, 170), {193, 85}));
  r.push_back(Tabela("pwz2", RysujPlanetyWZnakach(p, wykres2, 386, 170), {193, 85}));
  r.push_back(Tabela("pwd1", RysujPlanetyWDomach(p, wykres1, 386, 170), {193, 85}));
  r.push_back(Tabela("pwd2", RysujPlanetyWDomach(p, wykres2, 386, 170), {193, 85}));
  return r;
}

QImage ObrazRastrowy(const TRysunek& rysunek) {
  QImage obraz(rysunek.Piksele, QImage::Format_RGB32);
  obraz.setDotsPerMeterX(3780);
  obraz.setDotsPerMeterY(3780);
  obraz.fill(Qt::white);
  QPainter malarz(&obraz);
  malarz.setRenderHint(QPainter::Antialiasing);
  malarz.setRenderHint(QPainter::TextAntialiasing);
  malarz.setRenderHint(QPainter::SmoothPixmapTransform);
  OdtworzObraz(malarz, rysunek.Obraz, rysunek.Plotno, QRectF(QPointF(0, 0), rysunek.Piksele));
  return obraz;
}

bool ZapiszRysunki(const std::vector<TRysunek>& rysunki, const QString& katalog, QString& blad) {
  QDir dir(katalog);
  if (!dir.exists() && !QDir().mkpath(katalog)) {
    blad = QStringLiteral("Nie można utworzyć katalogu „%1”.").arg(katalog);
    return false;
  }
  for (const TRysunek& r : rysunki) {
    const QString png = dir.filePath(r.Nazwa + QStringLiteral(".png"));
    if (!ObrazRastrowy(r).save(png, "PNG")) {
      blad = QStringLiteral("Nie można zapisać pliku „%1”.").arg(png);
      return false;
    }
    const QString svg = dir.filePath(r.Nazwa + QStringLiteral(".svg"));
    QSvgGenerator generator;
    generator.setFileName(svg);
    generator.setSize(r.Piksele);
    generator.setViewBox(QRect(QPoint(0, 0), r.Plotno));
    generator.setResolution(96);
    generator.setTitle(r.Nazwa);
    {
      QPainter malarz;
      if (!malarz.begin(&generator)) {
        blad = QStringLiteral("Nie można zapisać pliku „%1”.").arg(svg);
        return false;
      }
      OdtworzObraz(malarz, r.Obraz, r.Plotno, QRectF(QPointF(0, 0), r.Plotno));
    }
    if (!QFile::exists(svg)) {
      blad = QStringLiteral("Nie można zapisać pliku „%1”.").arg(svg);
      return false;
    }
  }
  return true;
}

} // namespace grafika
