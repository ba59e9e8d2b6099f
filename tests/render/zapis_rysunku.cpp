#include "zapis_rysunku.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

namespace {

class TSilnikZapisu : public QPaintEngine {
public:
  explicit TSilnikZapisu(TZapisRysunku& zapis) : QPaintEngine(AllFeatures), Zapis(zapis) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }
  void updateState(const QPaintEngineState& s) override {
    if (s.state() & DirtyPen)
      Pioro = s.pen();
    if (s.state() & DirtyBrush)
      Pedzel = s.brush();
    if (s.state() & DirtyFont)
      Czcionka = s.font();
    if (s.state() & DirtyTransform)
      Macierz = s.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& t) override {
    const QFont f = t.font();
    const QFontMetricsF fm(f, &Wzorzec);
    const QPointF rog = Macierz.map(QPointF(p.x(), p.y() - fm.ascent()));
    Zapis.Teksty.push_back(
        {t.text(), rog, QFontInfo(f).family(), f.pixelSize(), Pioro.color(), f.underline()});
  }
  void drawLines(const QLineF* l, int n) override {
    for (int i = 0; i < n; ++i)
      Dodaj(TZapisKsztaltu::Linia, QPolygonF({Macierz.map(l[i].p1()), Macierz.map(l[i].p2())}));
  }
  void drawLines(const QLine* l, int n) override {
    for (int i = 0; i < n; ++i) {
      const QLineF lf(l[i]);
      drawLines(&lf, 1);
    }
  }
  void drawEllipse(const QRectF& r) override {
    Dodaj(TZapisKsztaltu::Elipsa,
          QPolygonF({Macierz.map(r.topLeft()), Macierz.map(r.bottomRight())}));
  }
  void drawEllipse(const QRect& r) override { drawEllipse(QRectF(r)); }
  void drawRects(const QRectF* r, int n) override {
    for (int i = 0; i < n; ++i)
      Dodaj(TZapisKsztaltu::Prostokat,
            QPolygonF({Macierz.map(r[i].topLeft()), Macierz.map(r[i].bottomRight())}));
  }
  void drawRects(const QRect* r, int n) override {
    for (int i = 0; i < n; ++i) {
      const QRectF rf(r[i]);
      drawRects(&rf, 1);
    }
  }
  void drawPolygon(const QPointF* p, int n, PolygonDrawMode) override {
    QPolygonF w;
    for (int i = 0; i < n; ++i)
      w << Macierz.map(p[i]);
    Dodaj(TZapisKsztaltu::Wielokat, w);
  }
  void drawPolygon(const QPoint* p, int n, PolygonDrawMode m) override {
    std::vector<QPointF> f(p, p + n);
    drawPolygon(f.data(), n, m);
  }
  void drawPath(const QPainterPath&) override {}

  QImage Wzorzec{8, 8, QImage::Format_ARGB32};

private:
  void Dodaj(TZapisKsztaltu::TRodzaj r, const QPolygonF& w) {
    Zapis.Ksztalty.push_back(
        {r, w, Pioro.color(), Pioro.widthF(), Pioro.style() == Qt::NoPen, Pedzel});
  }
  TZapisRysunku& Zapis;
  QPen Pioro;
  QBrush Pedzel;
  QFont Czcionka;
  QTransform Macierz;
};

class TUrzadzenieZapisu : public QPaintDevice {
public:
  TUrzadzenieZapisu(TZapisRysunku& zapis, int w, int h) : Silnik(zapis), W(w), H(h) {
    Silnik.Wzorzec.setDotsPerMeterX(3780);
    Silnik.Wzorzec.setDotsPerMeterY(3780);
  }
  QPaintEngine* paintEngine() const override { return &Silnik; }

protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
    case PdmWidth:
      return W;
    case PdmHeight:
      return H;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return 96;
    case PdmDepth:
      return 32;
    case PdmNumColors:
      return 1 << 24;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
    default:
      return 0;
    }
  }

private:
  mutable TSilnikZapisu Silnik;
  int W, H;
};

} // namespace

std::vector<TZapisTekstu> TZapisRysunku::TekstyRowne(const QString& t) const {
  std::vector<TZapisTekstu> w;
  for (const auto& z : Teksty)
    if (z.Tekst == t)
      w.push_back(z);
  return w;
}

std::vector<TZapisKsztaltu> TZapisRysunku::Linie() const {
  std::vector<TZapisKsztaltu> w;
  for (const auto& k : Ksztalty)
    if (k.Rodzaj == TZapisKsztaltu::Linia)
      w.push_back(k);
  return w;
}

TZapisRysunku ZapiszRysunek(const QPicture& obraz, int szerokosc, int wysokosc) {
  TZapisRysunku zapis;
  TUrzadzenieZapisu urz(zapis, szerokosc, wysokosc);
  QPainter malarz(&urz);
  const_cast<QPicture&>(obraz).play(&malarz);
  return zapis;
}
