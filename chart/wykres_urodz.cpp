#include "wykres_urodz.h"

#include "czas.h"

namespace wykres {

TWynik<TObliczonyWykresUrodz> ObliczWykresUrodzZPozycjami(const TDaneKosmotypuUrodz& dane,
                                                          TStanOrbow& orby) {
  TObliczonyWykresUrodz wynik;
  wynik.Moment = PrzygotujMoment(dane);
  UstawOrby(orby);
  auto pozycje = ObliczPozycjeCial(wynik.Moment);
  if (!pozycje)
    return Porazka<TObliczonyWykresUrodz>(pozycje.Blad.Komunikat);
  wynik.Pozycje = *pozycje;
  const TAnalizaWykresu analiza = AnalizujWykres(orby, wynik.Moment, wynik.Pozycje);
  wynik.Wykres =
      ZlozWykresUrodz(wynik.Pozycje, analiza, obliczenia::ObliczCzasGwiazdowy(wynik.Moment));
  return Sukces(std::move(wynik));
}

TWynik<TWykresUrodz> ObliczWykresUrodz(const TDaneKosmotypuUrodz& dane, TStanOrbow& orby) {
  auto w = ObliczWykresUrodzZPozycjami(dane, orby);
  if (!w)
    return Porazka<TWykresUrodz>(w.Blad.Komunikat);
  return Sukces(w.Wartosc->Wykres);
}

TWynik<TWykresUrodz> ObliczWykresUrodz(const TDaneKosmotypuUrodz& dane) {
  TStanOrbow orby;
  return ObliczWykresUrodz(dane, orby);
}

} // namespace wykres
