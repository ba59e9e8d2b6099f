#pragma once
// Planets in signs and planets in houses: 3 x 4 grids of glyph strips.
#include "rekordy_wykresu.h"
#include "znaki.h"

#include <QPicture>

#include <vector>

namespace grafika {

class TPlotno;

using TTabela = std::vector<int>;
using TTabela2 = std::vector<TTabela>; // bucket v (1..12) at index v - 1

// Items 1..n with value v go to bucket v in ascending order; values outside
// 1..12 (no house without a birth time) are left out.
void GrupujPunkty(const std::vector<int>& wartosci, TTabela2& kubelki);
// Twelve buckets into cell order: column k / 4, row k % 4.
TTabela2 UlozKomorki(const TTabela2& kubelki);

struct TPasek {
  QPicture Obraz;
  int Szerokosc = 0;
};
// Items 1..12 are point glyphs, 13 "ASC", 14 "MC".
TPasek PasekSymboli(const TPaletaWykresu& paleta, const TTabela& pozycje, int wysokosc);
void DopiszTekst(TPlotno& c, const QString& tekst, const QString& czcionka, int& szerokosc);
TTabela ZmierzKolumny(const TPaletaWykresu& paleta, const TTabela2& komorki, int wysokosc,
                      int kolumny, int calosc);
// Fair shares: wide columns get what they need, the rest share what is left.
TTabela SzerokosciKolumn(const TTabela& potrzeby, int kolumny, int calosc);

QPicture RysujPlanetyWZnakach(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                              int W2, int H2);
// Without a birth time every cell is empty: the points have no house.
QPicture RysujPlanetyWDomach(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                             int W2, int H2);

} // namespace grafika
