#include "aspekty.h"

#include <algorithm>
#include <cmath>

namespace wykres {

const std::array<TRodzajAspektu, LiczbaRodzajowKatowych> TablicaKatow = {{
    {0.0, "KONIUNKCJA"},
    {18.0, "WIGINTYL"},
    {30.0, "PÓŁSEKSTYL"},
    {36.0, "DECYL"},
    {40.0, "NONAGON"},
    {45.0, "PÓŁKWADRAT"},
    {360.0 / 7.0, "SEPTYL"},
    {60.0, "SEKSTYL"},
    {72.0, "KWINTYL"},
    {90.0, "KWADRATURA"},
    {108.0, "TRIDECYL"},
    {120.0, "TRYGON"},
    {135.0, "PÓŁTORAKWADRAT"},
    {144.0, "BIKWINTYL"},
    {150.0, "KWINKUNKS"},
    {180.0, "OPOZYCJA"},
}};

namespace {
constexpr std::array<std::int8_t, LiczbaRodzajowKatowych + 1> OrbyStandardowe = {
    9, 2, 2, 2, 2, 2, 2, 5, 2, 7, 2, 7, 2, 2, 2, 9, 2};
}

void UstawOrby(TStanOrbow& stan) {
  stan.TablicaOrbow = OrbyStandardowe;
}

TStanOrbow OrbyDomyslne() {
  TStanOrbow stan;
  UstawOrby(stan);
  return stan;
}

std::string_view NazwaAspektu(int rodzaj) {
  if (rodzaj >= 0 && rodzaj < LiczbaRodzajowKatowych)
    return TablicaKatow[static_cast<std::size_t>(rodzaj)].Nazwa;
  return {};
}

TOknaAspektow OknaAspektow(const TStanOrbow& orby) {
  TOknaAspektow o;
  for (int k = 0; k < LiczbaRodzajowKatowych; ++k) {
    const double kat = TablicaKatow[static_cast<std::size_t>(k)].Kat;
    const double orb = orby.TablicaOrbow[static_cast<std::size_t>(k)];
    o.Od[k] = kat - orb;
    o.Do[k] = kat + orb;
  }
  double najnizsze = o.Od[LiczbaRodzajowKatowych - 1];
  for (int k = LiczbaRodzajowKatowych - 1; k >= 0; --k) {
    najnizsze = std::min(najnizsze, o.Od[k]);
    o.NajnizszeOd[k] = najnizsze;
  }
  return o;
}

TAspekt SzukajAspektu(const TOknaAspektow& okna, double c, double cPozniej) {
  for (int k = 0; k < LiczbaRodzajowKatowych; ++k) {
    if (c < okna.NajnizszeOd[k]) // no later window can hold c
      break;
    if (okna.Od[k] <= c && c <= okna.Do[k]) {
      const double kat = TablicaKatow[static_cast<std::size_t>(k)].Kat;
      const double odchylenie = std::fabs(c - kat);
      return {k, odchylenie, odchylenie > std::fabs(cPozniej - kat)};
    }
  }
  return {};
}

TAspekt SzukajAspektu(const TStanOrbow& orby, double c, double cPozniej) {
  return SzukajAspektu(OknaAspektow(orby), c, cPozniej);
}

} // namespace wykres
