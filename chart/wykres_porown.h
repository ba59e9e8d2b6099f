#pragma once
// The comparison of two persons: both natal charts and the aspects between
// person 1's points and person 2's points.
#include "aspekty.h"
#include "wykres_urodz.h"

namespace wykres {

inline constexpr int LiczbaSlotowPorown = 144;    // 12 x 12
inline constexpr double OrbGranicznyPorown = 4.0; // degrees

// The points each side takes part with, in slot order: Sun..Pluto, Ascendant, Midheaven.
inline constexpr int PunktyPorown[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 15};

// [a][b]: person 1's point a with person 2's point b.
using TTablicaAspektowPorown = TTablicaOd1<TTablicaOd1<TAspekt, 16>, 16>;

struct TWykresPorown {
  TWykresUrodz Wykres1;
  TWykresUrodz Wykres2;
  TTablicaOd1<TAspekt, LiczbaSlotowPorown> AspektyPorown;
  friend bool operator==(const TWykresPorown&, const TWykresPorown&) = default;
};

// Angular aspects (double precision) of every pair; the angles of a person
// without a birth time take no part.
TTablicaAspektowPorown ObliczAspektyPorown(const TStanOrbow& orby, const TMomentUrodz& moment1,
                                           const TPozycjeCial& pozycje1,
                                           const TMomentUrodz& moment2,
                                           const TPozycjeCial& pozycje2);

// The 144 slots from the 16 x 16 table, with the comparison's 4° orb limit.
TTablicaOd1<TAspekt, LiczbaSlotowPorown> WybierzAspektyPorown(const TTablicaAspektowPorown& t);

// Slot 1..144 of (person 1's point a, person 2's point b); 0 when a point takes no part.
int SlotPorown(int a, int b);

// Fails when either chart cannot be computed; no partial result.
TWynik<TWykresPorown> ObliczWykresPorown(const TDaneKosmotypuUrodz& osoba1,
                                         const TDaneKosmotypuUrodz& osoba2, TStanOrbow& orby);
TWynik<TWykresPorown> ObliczWykresPorown(const TDaneKosmotypuUrodz& osoba1,
                                         const TDaneKosmotypuUrodz& osoba2);

} // namespace wykres
