#pragma once
// The comparison renderer: double wheel, cross and natal aspect grids, the
// aspect count and the six-cusp houses table. It keeps its own state.
#include "kolo.h"
#include "rekordy_wykresu.h"
#include "tabele.h"
#include "znaki.h"

#include <QPicture>

namespace grafika {

// Slot (a - 1) * 12 + b: person 1's point a with person 2's point b, both in
// the comparison numbering (1..10 planets, 11 Ascendant, 12 Midheaven).
using TAspektyPorown = TTablicaOd1<wykres::TAspekt, 144>;

struct TWpisAspektuPorown {
  int PunktB = 0; // person 2's point
  int PunktA = 0; // person 1's point
  int RodzajPlus1 = 0;
  friend bool operator==(const TWpisAspektuPorown&, const TWpisAspektuPorown&) = default;
};
struct TWpisAspektuUrodz {
  int PunktNizszy = 0; // grid numbering: 1..10, 11 North Node, 12 ASC, 13 MC
  int PunktWyzszy = 0;
  int RodzajPlus1 = 0;
  friend bool operator==(const TWpisAspektuUrodz&, const TWpisAspektuUrodz&) = default;
};

struct TStanGrafikiPorown {
  TPaletaWykresu Paleta;
  TGeometriaKola Kolo;
  TTablicaOd1<TWpisAspektuPorown, 144> ListaAspektowPorown;
  TTablicaOd1<TWpisAspektuUrodz, 144> ListaAspektowUrodz1;
  TTablicaOd1<TWpisAspektuUrodz, 144> ListaAspektowUrodz2;
};

using TProstokatySymboliPorown = TTablicaOd1<TProstokatTrafienia, 24>;
using TProstokatyKropekPorown = TTablicaOd1<TProstokatTrafienia, 28>; // 25..28 untouched

// Longitude of comparison point n (1..12) of a chart.
double DlugoscPunktuPorown(const wykres::TWykresUrodz& wykres, int n);

QPicture RysujKoloPorown(TStanGrafikiPorown& stan, const wykres::TWykresUrodz& wykres1,
                         const wykres::TWykresUrodz& wykres2, const TAspektyPorown& aspekty,
                         TProstokatySymboliPorown& prostokatySymboli,
                         TProstokatyKropekPorown& prostokatyKropek);
QPicture RysujTabeleAspektowPorown(TStanGrafikiPorown& stan, const TAspektyPorown& aspekty, int W2,
                                   int H2, long double& ulamekKolumny, long double& ulamekWiersza);
QPicture RysujTabeleAspektowUrodz(TStanGrafikiPorown& stan, const wykres::TWykresUrodz& wykres1,
                                  const wykres::TWykresUrodz& wykres2, int W2, int H2,
                                  long double& ulamekKolumny, long double& ulamekWiersza);
QPicture RysujSumeAspektow(const TPaletaWykresu& paleta, const TAspektyPorown& aspekty, int W2,
                           int H2);
// Counts per row of the count table: conjunction, semi-sextile, sextile,
// square, trine, quincunx, opposition, then the total.
TTablicaOd1<int, 8> PoliczAspektyPorown(const TAspektyPorown& aspekty);

inline constexpr TUkladTabeliDomow UkladDomowPorown{6, "Domy (Placius)", 7.8, 7};
QPicture RysujTabeleDomowPorown(const TPaletaWykresu& paleta, const wykres::TWykresUrodz& wykres,
                                int W2, int H2);

} // namespace grafika
