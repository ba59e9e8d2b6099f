#pragma once
// The natal wheel: sign ring, degree ring, house axes, point dots and glyphs.
#include "rekordy_wykresu.h"
#include "znaki.h"

#include <QPicture>

#include <vector>

namespace grafika {

inline constexpr int RozmiarKola = 2001;

using TProstokatySymboli = TTablicaOd1<TProstokatTrafienia, 12>;
using TProstokatyKropek = TTablicaOd1<TProstokatTrafienia, 14>;

// Sets the renderer's wheel geometry and leaves it set; the palette must be set.
QPicture RysujKolo(TStanGrafiki& stan, const wykres::TWykresUrodz& wykres,
                   TProstokatySymboli& prostokatySymboli, TProstokatyKropek& prostokatyKropek);

// How far apart glyphs must stand and how they move inward along their ray.
struct TRegulaRozsuwania {
  double PromienStartu = 0;
  double LimitX = 0; // corners closer than this in x ...
  double LimitY = 0; // ... and in y collide
  double Krok = 0;
  double Podloga = 0; // the smallest radius a glyph is pushed to
  int PolowaW = 0;    // round(W / 2), round(H / 2): from the ray point to the corner
  int PolowaH = 0;
};
// Top-left corner of a glyph of a point at `dlugosc`, given the corners of the
// earlier points (only those count; later points never push earlier ones).
QPoint RozsunZnak(const TGeometriaKola& kolo, double dlugosc,
                  const std::vector<QPoint>& wczesniejsze, const TRegulaRozsuwania& regula);

// A box as fractions of a drawing of size s.
TProstokatTrafienia Ulamki(int x1, int y1, int x2, int y2, int s);
// The dot of diameter d around a point of the wheel: (L, T, R, B).
struct TPudelko {
  int L, T, R, B;
};
TPudelko PudelkoKropki(QPoint srodek, int d);

} // namespace grafika
