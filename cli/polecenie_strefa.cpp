// kosmotyp-oblicz strefa: the GMT offset of a birth on Polish territory by the
// historical time-zone rules, with the area given as an option where the user
// of the program would be asked.
#include "dane_urodz.h"
#include "polecenia.h"
#include "strefy_czas.h"

#include <algorithm>
#include <ostream>

namespace wiersz_polecen {

namespace {

// Beyond the common statuses: a choice of area is needed, no rule settles it.
constexpr int KodPotrzebnyObszar = 3;
constexpr int KodNieustalone = 4;

constexpr TSpecyfikacjaOpcji OpcjeStrefy[] = {
    {"--data", "RRRR-MM-DD", true},
    {"--czas", "GG:MM", true},
    {"--obszar", "N", false},
};

std::string PomocStrefa() {
  return "Użycie: kosmotyp-oblicz strefa --data RRRR-MM-DD --czas GG:MM [--obszar N]\n\n"
         "Ustala przesunięcie względem GMT (w minutach, na wschód dodatnie) dla urodzenia\n"
         "na ziemiach polskich według historycznych stref czasu i wypisuje je.\n\n"
         "  --data RRRR-MM-DD  data urodzenia (czas lokalny)\n"
         "  --czas GG:MM       godzina urodzenia (czas lokalny)\n"
         "  --obszar N         obszar, gdy w tym dniu istniało ich kilka (zabory do 1918,\n"
         "                     okupacja 1939-1945); bez tej opcji polecenie wypisuje\n"
         "                     obszary do wyboru (numer i nazwa)\n\n"
         "Przykłady:\n"
         "  kosmotyp-oblicz strefa --data 2004-10-31 --czas 02:30\n"
         "  kosmotyp-oblicz strefa --data 1939-09-15 --czas 12:00 --obszar 9\n\n"
         "Kody wyjścia: 0 — wypisano przesunięcie; 2 — błędne opcje albo godzina, która\n"
         "nie istniała (przesunięcie czasu do przodu); 3 — trzeba wybrać obszar (lista\n"
         "na wyjściu); 4 — żadna reguła nie ustala przesunięcia (trzeba je podać samemu).\n";
}

void PiszObszary(std::ostream& wy, const std::vector<strefy::TOpisStrefy>& lista) {
  for (const strefy::TOpisStrefy& opis : lista)
    wy << opis.Strefa << ' ' << opis.Nazwa << '\n';
}

int WykonajStrefa(TKontekst& k) {
  const auto opcje = ParsujOpcje(k.Argumenty, OpcjeStrefy);
  if (!opcje)
    return ZglosBlad(k, opcje.Blad.Komunikat, KodBladDanych);
  const auto data = ParsujDate(opcje->at("--data"), "--data");
  if (!data)
    return ZglosBlad(k, data.Blad.Komunikat, KodBladDanych);
  const auto czas = ParsujCzas(opcje->at("--czas"), "--czas");
  if (!czas)
    return ZglosBlad(k, czas.Blad.Komunikat, KodBladDanych);
  std::optional<std::int32_t> obszar;
  if (const auto it = opcje->find("--obszar"); it != opcje->end()) {
    const auto n = ParsujLiczbe(it->second, "--obszar", 1, strefy::LiczbaStref, "numer obszaru");
    if (!n)
      return ZglosBlad(k, n.Blad.Komunikat, KodBladDanych);
    obszar = *n;
  }
  const obliczenia::TDataCzas moment = obliczenia::ZakodujDateCzas(*data, *czas);

  std::int32_t strefa = 0;
  const std::vector<strefy::TOpisStrefy> lista = strefy::StrefyDoWyboru(moment);
  if (!lista.empty()) {
    const bool oferowany =
        obszar && std::any_of(lista.begin(), lista.end(),
                              [&](const strefy::TOpisStrefy& o) { return o.Strefa == *obszar; });
    if (!oferowany) {
      ZglosBlad(k,
                obszar ? "obszar " + std::to_string(*obszar) +
                             " nie istniał w tym dniu; wybierz jeden z wypisanych (--obszar N)."
                       : "w tym dniu istniało kilka obszarów; wybierz jeden z wypisanych "
                         "(--obszar N).",
                0);
      PiszObszary(k.Wy, lista);
      return obszar ? KodBladDanych : KodPotrzebnyObszar;
    }
    strefa = *obszar;
  } else {
    strefa = strefy::StrefaBezWyboru(moment);
    if (obszar && *obszar != strefa && strefa != 0)
      return ZglosBlad(k,
                       "w tym dniu obowiązywał tylko obszar " + std::to_string(strefa) + " (" +
                           std::string(strefy::Strefy(strefa).Nazwa) + ").",
                       KodBladDanych);
  }

  strefy::TPrzesuniecieReguly wynik{0, true};
  if (strefa != 0) {
    try {
      wynik = strefy::PrzesuniecieWStrefie(strefa, moment);
    } catch (const strefy::TBladKonwersjiCzasu& blad) {
      return ZglosBlad(k, blad.what(), KodBladDanych);
    }
  }
  if (wynik.Nieustalone)
    return ZglosBlad(k,
                     strefa == 0 ? "przed 1880 rokiem żadna reguła nie ustala przesunięcia GMT; "
                                   "trzeba je podać samemu."
                                 : "dla obszaru „" + std::string(strefy::Strefy(strefa).Nazwa) +
                                       "” w tym dniu żadna reguła nie ustala przesunięcia GMT; "
                                       "trzeba je podać samemu.",
                     KodNieustalone);
  k.Wy << wynik.Minuty << '\n';
  return KodSukces;
}

} // namespace

extern const TPolecenie PolecenieStrefa = {
    "strefa", "przesunięcie GMT z historycznych stref czasu na ziemiach polskich", PomocStrefa,
    WykonajStrefa};

} // namespace wiersz_polecen
