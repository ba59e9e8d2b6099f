#pragma once
// Replays a recorded drawing into a paint device that only writes down what
// is drawn (texts with their top-left corners, lines, ellipses, polygons,
// rectangles) in canvas units, so tests can check the layout of a drawing.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPicture>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

struct TZapisTekstu {
  QString Tekst;
  QPointF RogLewyGorny;
  QString Rodzina;
  int Em = 0;
  QColor Kolor;
  bool Podkreslenie = false;
};
struct TZapisKsztaltu {
  enum TRodzaj { Linia, Elipsa, Wielokat, Prostokat } Rodzaj;
  QPolygonF Punkty; // line: 2 points; ellipse and rectangle: top-left, bottom-right
  QColor KolorPiora;
  qreal GruboscPiora = 0;
  bool BezPiora = false;
  QBrush Pedzel;
};
struct TZapisRysunku {
  std::vector<TZapisTekstu> Teksty;
  std::vector<TZapisKsztaltu> Ksztalty;

  std::vector<TZapisTekstu> TekstyRowne(const QString& t) const;
  std::vector<TZapisKsztaltu> Linie() const;
};

TZapisRysunku ZapiszRysunek(const QPicture& obraz, int szerokosc, int wysokosc);
