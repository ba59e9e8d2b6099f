#pragma once
// Signs, houses and aspects of one chart from the engine's working record.
#include "aspekty.h"
#include "rekordy_wykresu.h"

namespace wykres {

// Sign 1..12 of a longitude in degrees (0 <= x < 360; anything outside is
// clamped to the nearest sign rather than yielding sign 0 or 13).
int ZnakDlugosci(double dlug);

// Only moment.CzasNieznany is read: without a birth time there are no houses
// and no pair with points 13..16 is examined.
TAnalizaWykresu AnalizujWykres(const TStanOrbow& orby, const TMomentUrodz& moment,
                               const TPozycjeCial& pozycje);

} // namespace wykres
