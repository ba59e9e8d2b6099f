#pragma once
// The natal chart of one person from the birth data.
#include "analiza_wykresu.h"
#include "rekordy_wykresu.h"
#include "wynik_obliczen.h"

namespace wykres {

// The engine's working record of one birth moment: cusps, angles and all
// bodies at the moment and at the later one. Fails only where the Placidus
// cusps do not exist (beyond the polar circles).
TWynik<TPozycjeCial> ObliczPozycjeCial(const TMomentUrodz& moment);

// Copies positions, analysis and sidereal time into the chart record: the 114
// analysis slots become the 90 chart slots (pairs with points 14 and 16 dropped).
TWykresUrodz ZlozWykresUrodz(const TPozycjeCial& pozycje, const TAnalizaWykresu& analiza,
                             const obliczenia::TCzasZegarowy& czasGwiazdowy);

// Everything one natal assembly produced, for callers that go on from it.
struct TObliczonyWykresUrodz {
  TWykresUrodz Wykres;
  TMomentUrodz Moment;
  TPozycjeCial Pozycje;
};

// The orb table is reset at the start of every assembly, so a chart never
// depends on an earlier one.
TWynik<TObliczonyWykresUrodz> ObliczWykresUrodzZPozycjami(const TDaneKosmotypuUrodz& dane,
                                                          TStanOrbow& orby);
TWynik<TWykresUrodz> ObliczWykresUrodz(const TDaneKosmotypuUrodz& dane, TStanOrbow& orby);
TWynik<TWykresUrodz> ObliczWykresUrodz(const TDaneKosmotypuUrodz& dane);

} // namespace wykres
