#include "plotno.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPen>
#include <QPolygon>

#include <cmath>

namespace grafika {

int Zaokr(double x) {
  return static_cast<int>(std::nearbyint(x));
}

namespace {

// Fonts are measured here, never on the screen: a 96-dpi image.
const QPaintDevice* UrzadzenieWzorcowe() {
  static const QImage wzorzec = [] {
    QImage obraz(8, 8, QImage::Format_ARGB32_Premultiplied);
    obraz.setDotsPerMeterX(3780);
    obraz.setDotsPerMeterY(3780);
    return obraz;
  }();
  return &wzorzec;
}

QFont CzcionkaOEm(const QString& nazwa, int em) {
  QFont f(nazwa);
  f.setPixelSize(em < 1 ? 1 : em);
  f.setStyleStrategy(QFont::PreferAntialias);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

} // namespace

int EmDlaWysokosciKomorki(const QString& nazwa, int wysokosc) {
  // Cell height per em of a family, measured once at a large size.
  static QHash<QString, double> komorkaNaEm;
  auto it = komorkaNaEm.find(nazwa);
  if (it == komorkaNaEm.end()) {
    const QFontMetricsF fm(CzcionkaOEm(nazwa, 1000), UrzadzenieWzorcowe());
    it = komorkaNaEm.insert(nazwa, fm.height() / 1000.0);
  }
  return Zaokr(wysokosc / it.value());
}

TPlotno::TPlotno(QPicture& obraz, int szerokosc, int wysokosc)
    : Obraz_(obraz), Szerokosc_(szerokosc), Wysokosc_(wysokosc) {
  Malarz_.begin(&Obraz_);
  Malarz_.setRenderHint(QPainter::Antialiasing, true);
  Malarz_.setRenderHint(QPainter::TextAntialiasing, true);
  OdswiezPioro();
  OdswiezPedzel();
  UstawCzcionkePunkty(QStringLiteral("Tahoma"), 8);
}

TPlotno::~TPlotno() {
  Malarz_.end();
  Obraz_.setBoundingRect(QRect(0, 0, Szerokosc_, Wysokosc_));
}

void TPlotno::UstawRozmiar(int szerokosc, int wysokosc) {
  Szerokosc_ = szerokosc;
  Wysokosc_ = wysokosc;
}

void TPlotno::OdswiezPioro() {
  // A pen of width 1 stays one device pixel wide at any scale, as a hairline.
  QPen pioro(KolorPiora_);
  pioro.setWidth(GruboscPiora_ <= 1 ? 0 : GruboscPiora_);
  pioro.setCosmetic(GruboscPiora_ <= 1);
  pioro.setCapStyle(Qt::RoundCap);
  pioro.setJoinStyle(Qt::RoundJoin);
  Malarz_.setPen(pioro);
}

void TPlotno::OdswiezPedzel() {
  Malarz_.setBrush(StylPedzla_ == TStylPedzla::Pelny ? QBrush(KolorPedzla_) : QBrush(Qt::NoBrush));
}

void TPlotno::OdswiezCzcionke() {
  const int em = WysokoscKomorki_ ? EmDlaWysokosciKomorki(NazwaCzcionki_, Wartosc_)
                                  : Zaokr(Wartosc_ * 96.0 / 72.0);
  const bool podkreslenie = Czcionka_.underline();
  Czcionka_ = CzcionkaOEm(NazwaCzcionki_, em);
  Czcionka_.setUnderline(podkreslenie);
}

void TPlotno::UstawPioro(const QColor& kolor, int grubosc) {
  KolorPiora_ = kolor;
  GruboscPiora_ = grubosc;
  OdswiezPioro();
}
void TPlotno::UstawKolorPiora(const QColor& kolor) {
  UstawPioro(kolor, GruboscPiora_);
}
void TPlotno::UstawGruboscPiora(int grubosc) {
  UstawPioro(KolorPiora_, grubosc);
}

void TPlotno::UstawPedzel(const QColor& kolor, TStylPedzla styl) {
  KolorPedzla_ = kolor;
  StylPedzla_ = styl;
  OdswiezPedzel();
}
void TPlotno::UstawStylPedzla(TStylPedzla styl) {
  UstawPedzel(KolorPedzla_, styl);
}
void TPlotno::UstawKolorPedzla(const QColor& kolor) {
  UstawPedzel(kolor, StylPedzla_);
}

void TPlotno::UstawCzcionkePunkty(const QString& nazwa, int punkty) {
  NazwaCzcionki_ = nazwa;
  WysokoscKomorki_ = false;
  Wartosc_ = std::abs(punkty);
  OdswiezCzcionke();
}

void TPlotno::UstawCzcionkeWysokosc(const QString& nazwa, int wysokosc) {
  NazwaCzcionki_ = nazwa;
  WysokoscKomorki_ = true;
  Wartosc_ = std::abs(wysokosc);
  OdswiezCzcionke();
}

void TPlotno::UstawNazweCzcionki(const QString& nazwa) {
  NazwaCzcionki_ = nazwa;
  OdswiezCzcionke();
}

void TPlotno::UstawKolorCzcionki(const QColor& kolor) {
  KolorCzcionki_ = kolor;
}

void TPlotno::UstawPodkreslenie(bool podkreslenie) {
  Czcionka_.setUnderline(podkreslenie);
}

int TPlotno::RozmiarCzcionki() const {
  return WysokoscKomorki_ ? Zaokr(Wartosc_ * 72.0 / 96.0) : Wartosc_;
}

int TPlotno::WysokoscCzcionki() const {
  return WysokoscKomorki_ ? Wartosc_ : Zaokr(Wartosc_ * 96.0 / 72.0);
}

void TPlotno::PrzesunDo(int x, int y) {
  Pioro_ = QPoint(x, y);
}

void TPlotno::LiniaDo(int x, int y) {
  Malarz_.drawLine(Pioro_, QPoint(x, y));
  Pioro_ = QPoint(x, y);
}

void TPlotno::Elipsa(int x1, int y1, int x2, int y2) {
  Malarz_.drawEllipse(QRectF(x1, y1, x2 - x1, y2 - y1));
}

void TPlotno::Wielokat(const std::vector<QPoint>& punkty) {
  Malarz_.drawPolygon(punkty.data(), static_cast<int>(punkty.size()));
}

void TPlotno::Prostokat(int x1, int y1, int x2, int y2) {
  Malarz_.drawRect(QRectF(x1, y1, x2 - x1, y2 - y1));
}

void TPlotno::WypelnijProstokat(int x1, int y1, int x2, int y2) {
  Malarz_.fillRect(QRectF(x1, y1, x2 - x1, y2 - y1),
                   StylPedzla_ == TStylPedzla::Pelny ? QBrush(KolorPedzla_) : QBrush(Qt::NoBrush));
}

void TPlotno::Tekst(int x, int y, const QString& tekst) {
  const QFontMetrics fm(Czcionka_, UrzadzenieWzorcowe());
  Malarz_.save();
  Malarz_.setFont(Czcionka_);
  Malarz_.setPen(QPen(KolorCzcionki_));
  Malarz_.setBrush(Qt::NoBrush);
  Malarz_.drawText(QPoint(x, y + fm.ascent()), tekst);
  Malarz_.restore();
  Pioro_ = QPoint(x + fm.horizontalAdvance(tekst), y);
}

int TPlotno::SzerokoscTekstu(const QString& tekst) const {
  return QFontMetrics(Czcionka_, UrzadzenieWzorcowe()).horizontalAdvance(tekst);
}

int TPlotno::WysokoscTekstu(const QString&) const {
  return QFontMetrics(Czcionka_, UrzadzenieWzorcowe()).height();
}

void TPlotno::RysujObraz(int x, int y, const QPicture& obraz) {
  Malarz_.save();
  Malarz_.translate(x, y);
  Malarz_.drawPicture(0, 0, obraz);
  Malarz_.restore();
}

void OdtworzObraz(QPainter& malarz, const QPicture& obraz, const QSize& plotno, const QRectF& cel) {
  const QPaintDevice* urz = malarz.device();
  malarz.save();
  malarz.translate(cel.topLeft());
  malarz.scale(obraz.logicalDpiX() / double(urz->logicalDpiX()) * cel.width() / plotno.width(),
               obraz.logicalDpiY() / double(urz->logicalDpiY()) * cel.height() / plotno.height());
  malarz.drawPicture(0, 0, obraz);
  malarz.restore();
}

} // namespace grafika
