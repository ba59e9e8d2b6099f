#include "strefy_czas.h"

#include <algorithm>
#include <cmath>

namespace strefy {

using obliczenia::TDataKalendarzowa;

namespace {

constexpr std::int64_t MsNaMinute = 60'000;
constexpr std::int64_t MsNaDobe = 86'400'000;

// Days on one continuous scale: before the epoch the stored fraction counts
// forward from midnight, so -1.25 (29 Dec 1899 06:00) is -0.75 here.
double DniCiagle(TDataCzas dc) {
  const double dni = std::trunc(dc.Wartosc);
  return dc.Wartosc >= 0 ? dc.Wartosc : dni + std::fabs(dc.Wartosc - dni);
}

TDataCzas PoMinutach(TDataCzas moment, std::int32_t minuty) {
  return obliczenia::DataCzasZMilisekund(obliczenia::MilisekundyOdEpoki(moment) +
                                         minuty * MsNaMinute);
}

TDataCzas Dzien(std::int32_t rok, std::int32_t miesiac, std::int32_t dzien) {
  return obliczenia::ZakodujDateCzas({rok, miesiac, dzien});
}

// Which areas existed from a date on (until the next row), in the order the
// user is offered them; one area means no choice, none means no area.
struct TObszaryOkresu {
  TDataKalendarzowa Od;
  std::vector<std::int32_t> Strefy;
};
// clang-format off
const TObszaryOkresu ObszaryWCzasie[] = {
  {{1880, 1, 1},  {2, 3, 4, 5, 6, 7}},
  {{1918, 11, 1}, {1, 2, 3, 4, 5, 6, 7}},
  {{1919, 1, 1},  {1}},
  {{1939, 9, 1},  {1, 8, 9}},
  {{1939, 10, 1}, {8, 9}},
  {{1944, 1, 1},  {1, 8}},
  {{1945, 6, 1},  {1}},
};
// clang-format on

const std::vector<std::int32_t>& ObszaryWChwili(TDataCzas moment) {
  static const std::vector<std::int32_t> Zadne;
  const std::vector<std::int32_t>* wynik = &Zadne;
  for (const auto& wiersz : ObszaryWCzasie) {
    if (PorownajMomenty(moment, obliczenia::ZakodujDateCzas(wiersz.Od)) < 0)
      break;
    wynik = &wiersz.Strefy;
  }
  return *wynik;
}

} // namespace

int PorownajMomenty(TDataCzas a, TDataCzas b) {
  const double roznica = DniCiagle(a) - DniCiagle(b);
  if (std::fabs(roznica) < 1.0 / static_cast<double>(MsNaDobe))
    return 0;
  return roznica < 0 ? -1 : 1;
}

TDataCzas MomentGranicy(const TGranicaOkresu& granica) {
  return PoMinutach(Dzien(granica.Rok, granica.Miesiac, granica.Dzien), granica.Minuta);
}

TDataCzas MomentZmiany(std::int32_t rok, const TZmianaCzasu& zmiana) {
  if (zmiana.Tydzien == 0 && zmiana.Dzien == 0)
    return {};
  std::int32_t dzien = zmiana.Dzien;
  if (zmiana.Tydzien > 0) {
    const int pierwszyDzien = obliczenia::DzienTygodnia({rok, zmiana.Miesiac, 1});
    dzien = 1 + (7 - pierwszyDzien) % 7 + 7 * (zmiana.Tydzien - 1);
  } else if (zmiana.Tydzien < 0) {
    const int ostatni = obliczenia::DniWMiesiacu(rok, zmiana.Miesiac);
    dzien = ostatni - obliczenia::DzienTygodnia({rok, zmiana.Miesiac, ostatni}) % 7;
  }
  // The day may lie past the month's end (a fifth Sunday that isn't there):
  // count on from the first of the month rather than build an invalid date.
  const std::int64_t ms =
      (obliczenia::DniOdEpoki({rok, zmiana.Miesiac, 1}) + dzien - 1) * MsNaDobe +
      zmiana.Minuta * MsNaMinute;
  return obliczenia::DataCzasZMilisekund(ms);
}

TPrzesuniecieReguly PrzesuniecieOkresu(const TOkresStrefy& okres, TDataCzas moment) {
  if (okres.Rodzaj == RodzajStaly)
    return {okres.Standard, false};
  if (okres.Rodzaj != RodzajZCzasemLetnim)
    return {0, true};
  const std::int32_t rok = obliczenia::RozkodujDate(moment).Rok;
  const TDataCzas poczatek = MomentZmiany(rok, okres.PoczatekLata);
  const TDataCzas koniec = MomentZmiany(rok, okres.KoniecLata);
  const bool poPoczatku = PorownajMomenty(moment, poczatek) >= 0;
  if (poPoczatku && PorownajMomenty(moment, PoMinutach(poczatek, okres.Przesuniecie)) < 0)
    throw TBladKonwersjiCzasu();
  // The hour repeated when clocks go back still counts as summer time.
  if (poPoczatku && PorownajMomenty(moment, koniec) < 0)
    return {okres.Standard + okres.Przesuniecie, false};
  return {okres.Standard, false};
}

TPrzesuniecieReguly PrzesuniecieWStrefie(std::int32_t strefa, TDataCzas moment) {
  const TStrefaCzasowa& s = Strefy(strefa);
  for (const TOkresStrefy& okres : s.Okresy) {
    const bool odSpelnione =
        okres.Od.Otwarta || PorownajMomenty(moment, MomentGranicy(okres.Od)) >= 0;
    const bool doSpelnione =
        okres.Do.Otwarta || PorownajMomenty(moment, MomentGranicy(okres.Do)) < 0;
    if (odSpelnione && doSpelnione)
      return PrzesuniecieOkresu(okres, moment);
  }
  return PrzesuniecieOkresu(s.Domyslny, moment);
}

std::vector<TOpisStrefy> StrefyDoWyboru(TDataCzas moment) {
  const auto& obszary = ObszaryWChwili(moment);
  std::vector<TOpisStrefy> lista;
  if (obszary.size() < 2)
    return lista;
  for (const std::int32_t numer : obszary)
    lista.push_back({std::string(Strefy(numer).Nazwa), numer});
  return lista;
}

std::int32_t StrefaBezWyboru(TDataCzas moment) {
  const auto& obszary = ObszaryWChwili(moment);
  return obszary.size() == 1 ? obszary.front() : 0;
}

std::int32_t WybierzStrefe(TDataCzas moment, const TDialogiStref& dialogi) {
  const std::vector<TOpisStrefy> lista = StrefyDoWyboru(moment);
  if (lista.empty())
    return StrefaBezWyboru(moment);
  const std::int32_t wybrana = dialogi.WybierzObszar(lista);
  // Anything but one of the offered areas counts as not confirmed.
  const bool oferowana = std::any_of(lista.begin(), lista.end(),
                                     [&](const TOpisStrefy& o) { return o.Strefa == wybrana; });
  return oferowana ? wybrana : -1;
}

TUstalonePrzesuniecie UstalPrzesuniecieGMT(TDataCzas moment, const TDialogiStref& dialogi) {
  const std::int32_t strefa = WybierzStrefe(moment, dialogi);
  if (strefa == -1)
    return {0, true};
  if (strefa >= 1) {
    TPrzesuniecieReguly wynik;
    try {
      wynik = PrzesuniecieWStrefie(strefa, moment);
    } catch (const TBladKonwersjiCzasu&) {
      dialogi.PokazKomunikat(KomunikatPominietaGodzina);
      throw;
    }
    if (!wynik.Nieustalone)
      return {wynik.Minuty, false};
  }
  const TPodanePrzesuniecie podane = dialogi.PodajPrzesuniecie();
  if (podane.Anulowane)
    return {0, true};
  return {podane.Minuty, false};
}

} // namespace strefy
