#pragma once
// The natal chart tables: planets, houses and the aspect grid.
#include "rekordy_wykresu.h"
#include "znaki.h"

#include <QPicture>

namespace grafika {

using TPokazaneAspekty = TTablicaOd1<wykres::TAspekt, 90>;

// Sizes in canvas units: twice the pixel size of the image control.
QPicture RysujTabelePlanet(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres, int W2,
                           int H2);
// Cusps whose sign is unknown (birth time unknown) show only their number.
QPicture RysujTabeleDomow(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres, int W2,
                          int H2);
// Fills the shown-aspects list (kinds without a glyph become -1) and the cell fractions.
QPicture RysujTabeleAspektow(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                             int W2, int H2, TPokazaneAspekty& pokazane, long double& ulamekKolumny,
                             long double& ulamekWiersza);

// The orb as the aspect grids write it: whole degrees, halves to even.
QString TekstOrbu(double odchylenie);

// The houses table with the first `liczba` cusps and its own header and row split.
struct TUkladTabeliDomow {
  int Liczba;
  const char* Naglowek;
  double DzielnikWiersza;  // rowH = H2 / this
  double DzielnikNaglowka; // header line at H2 / this
};
inline constexpr TUkladTabeliDomow UkladDomowUrodz{12, "Domy (Placidus)", 14.4, 13};
QPicture RysujTabeleDomowUklad(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                               int W2, int H2, const TUkladTabeliDomow& uklad);

} // namespace grafika
