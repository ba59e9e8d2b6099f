#pragma once
// The visual vocabulary of the chart drawings: glyph characters of the symbol
// font, the colour rules, the palette with its print variants, the point of a
// wheel for a longitude, the degree text and the hit rectangle.
#include "tablica_od1.h"

#include <QColor>
#include <QPoint>
#include <QString>

namespace grafika {

using obliczenia::TTablicaOd1;

// Signs 1 (Aries) .. 12 (Pisces): the ASCII run '(' .. '3'.
inline constexpr TTablicaOd1<char, 12> ZnakiZodiaku{
    {'(', ')', '*', '+', ',', '-', '.', '/', '0', '1', '2', '3'}};
// Points 1 (Sun) .. 12 (South Node): the ASCII run '4' .. '?'.
inline constexpr TTablicaOd1<char, 12> ZnakiPunktow{
    {'4', '5', '6', '7', '8', '9', ':', ';', '<', '=', '>', '?'}};

struct TZnakAspektu {
  int Rodzaj;
  char Znak;
};
// The only aspect kinds that are ever drawn.
inline constexpr TTablicaOd1<TZnakAspektu, 11> ZnakiAspektow{{{
    {0, '@'},
    {2, 'A'},
    {5, 'B'},
    {7, 'C'},
    {9, 'D'},
    {11, 'E'},
    {12, 'F'},
    {14, 'G'},
    {15, 'H'},
    {16, 'J'},
    {17, 'K'},
}}};
// Entry 1..11 of the first kind that matches, 0 when the kind has no glyph.
int WpisZnakuAspektu(int rodzaj);

// Names in texts: points of the natal numbering 1..14, aspect kinds 0..15.
QString NazwaPunktu(int punkt);
QString NazwaAspektu(int rodzaj);

struct TPaletaWykresu {
  QColor KolorZnakow{0, 0, 255};
  QColor KolorPlanet{0, 255, 255};
  QColor KolorSwiatel{255, 255, 0};
  QColor KolorOsiAsc{255, 0, 0};
  QColor KolorOsiMC{255, 0, 255};
  QColor KolorWezlow{0, 0, 255};
  QColor KolorHarmonijny{0, 255, 0};
  QColor KolorNapiety{255, 0, 0};
  QColor KolorRetro{255, 0, 0};
  bool TrybDruku = false;
  friend bool operator==(const TPaletaWykresu&, const TPaletaWykresu&) = default;
};

inline constexpr int DrukKolorowy = 1;
inline constexpr int DrukCzarnoBialy = 2;
// Screen colours for druk = false; for druk = true the print kind decides
// (1 colour print, 2 all black, anything else keeps the colours as they were).
void UstawPalete(TPaletaWykresu& paleta, bool druk, int rodzajDruku = DrukKolorowy);

// Colour of an aspect kind and of a point glyph (decided on the character).
QColor KolorAspektu(const TPaletaWykresu& paleta, int rodzaj);
QColor KolorZnakuPunktu(const TPaletaWykresu& paleta, char znak);

// Centre and turn of the wheel last drawn by a renderer.
struct TGeometriaKola {
  int SrodekX = 0;
  int SrodekY = 0;
  double Obrot = 0.0; // degrees
};
QPoint PunktNaKole(const TGeometriaKola& kolo, double dlugosc, double promien);

// "%.2d° %.2d'" or, with seconds, "%.2d° %.2d' %.2d\"" of a position in a sign.
QString TekstStopni(bool zSekundami, double stopnie);

// A box as fractions of the drawing's size: 0..1 spans the drawing.
struct TProstokatTrafienia {
  long double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
  friend bool operator==(const TProstokatTrafienia&, const TProstokatTrafienia&) = default;
};

// Per-renderer state: palette with print flag, and the wheel geometry.
struct TStanGrafiki {
  TPaletaWykresu Paleta;
  TGeometriaKola Kolo;
};

} // namespace grafika
