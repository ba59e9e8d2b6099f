#pragma once
// The drawing surface of every chart drawing: a few canvas operations over a
// QPainter that records into a QPicture in canvas units. Text is measured on
// a fixed 96-dpi reference, so a drawing looks the same on any screen.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPicture>
#include <QPoint>
#include <QString>

#include <vector>

namespace grafika {

// Rounds to the nearest integer, halves to the even neighbour (1000.5 -> 1000).
int Zaokr(double x);

enum class TStylPedzla { Pelny, Pusty };

class TPlotno {
public:
  // Records into obraz until the canvas is destroyed; the picture's bounding
  // rectangle becomes (0, 0)-(szerokosc, wysokosc).
  TPlotno(QPicture& obraz, int szerokosc, int wysokosc);
  ~TPlotno();
  // For pictures whose extent is whatever has been drawn into them.
  void UstawRozmiar(int szerokosc, int wysokosc);
  TPlotno(const TPlotno&) = delete;
  TPlotno& operator=(const TPlotno&) = delete;

  void UstawPioro(const QColor& kolor, int grubosc);
  void UstawKolorPiora(const QColor& kolor);
  void UstawGruboscPiora(int grubosc);
  QColor KolorPiora() const { return KolorPiora_; }
  void UstawPedzel(const QColor& kolor, TStylPedzla styl);
  void UstawStylPedzla(TStylPedzla styl);
  void UstawKolorPedzla(const QColor& kolor);

  // Size in points: the em height becomes round(points * 96 / 72) canvas units.
  void UstawCzcionkePunkty(const QString& nazwa, int punkty);
  // Height of the character cell (internal leading included) in canvas units.
  void UstawCzcionkeWysokosc(const QString& nazwa, int wysokosc);
  void UstawNazweCzcionki(const QString& nazwa);
  void UstawKolorCzcionki(const QColor& kolor);
  void UstawPodkreslenie(bool podkreslenie);
  int RozmiarCzcionki() const;  // |size| in points
  int WysokoscCzcionki() const; // |height| in canvas units
  const QFont& Czcionka() const { return Czcionka_; }

  void PrzesunDo(int x, int y);
  void LiniaDo(int x, int y);
  QPoint PozycjaPiora() const { return Pioro_; }
  void Elipsa(int x1, int y1, int x2, int y2);
  void Wielokat(const std::vector<QPoint>& punkty);
  void Prostokat(int x1, int y1, int x2, int y2);
  void WypelnijProstokat(int x1, int y1, int x2, int y2);
  // Top-left corner at (x, y), no background box; leaves the pen at the end.
  void Tekst(int x, int y, const QString& tekst);
  int SzerokoscTekstu(const QString& tekst) const;
  int WysokoscTekstu(const QString& tekst) const;
  void RysujObraz(int x, int y, const QPicture& obraz);

private:
  void OdswiezPioro();
  void OdswiezPedzel();
  void OdswiezCzcionke();

  QPicture& Obraz_;
  QPainter Malarz_;
  int Szerokosc_;
  int Wysokosc_;
  QColor KolorPiora_{Qt::black};
  int GruboscPiora_ = 1;
  QColor KolorPedzla_{Qt::white};
  TStylPedzla StylPedzla_ = TStylPedzla::Pelny;
  QFont Czcionka_;
  QString NazwaCzcionki_;
  bool WysokoscKomorki_ = false; // the height was given as a cell height
  int Wartosc_ = 0;              // points or cell height, as given
  QColor KolorCzcionki_{Qt::black};
  QPoint Pioro_{0, 0};
};

// Em size in pixels that gives a character cell of `wysokosc` in that font.
int EmDlaWysokosciKomorki(const QString& nazwa, int wysokosc);

// Replays a picture of the given canvas size stretched into the target
// rectangle of a painter, whatever the painter's device resolution.
void OdtworzObraz(QPainter& malarz, const QPicture& obraz, const QSize& plotno, const QRectF& cel);

} // namespace grafika
