#include "wykres_porown.h"

namespace wykres {

TWynik<TWykresPorown> ObliczWykresPorown(const TDaneKosmotypuUrodz& osoba1,
                                         const TDaneKosmotypuUrodz& osoba2, TStanOrbow& orby) {
  // The working records of the two natal assemblies serve the cross aspects as
  // well: computing them again would give the same values.
  auto w1 = ObliczWykresUrodzZPozycjami(osoba1, orby);
  if (!w1)
    return Porazka<TWykresPorown>("Osoba 1: " + w1.Blad.Komunikat);
  auto w2 = ObliczWykresUrodzZPozycjami(osoba2, orby);
  if (!w2)
    return Porazka<TWykresPorown>("Osoba 2: " + w2.Blad.Komunikat);
  UstawOrby(orby);
  TWykresPorown wynik;
  wynik.Wykres1 = w1->Wykres;
  wynik.Wykres2 = w2->Wykres;
  wynik.AspektyPorown = WybierzAspektyPorown(
      ObliczAspektyPorown(orby, w1->Moment, w1->Pozycje, w2->Moment, w2->Pozycje));
  return Sukces(std::move(wynik));
}

TWynik<TWykresPorown> ObliczWykresPorown(const TDaneKosmotypuUrodz& osoba1,
                                         const TDaneKosmotypuUrodz& osoba2) {
  TStanOrbow orby;
  return ObliczWykresPorown(osoba1, osoba2, orby);
}

} // namespace wykres
