// kosmotyp-oblicz porown: the comparison chart of two persons as a JSON object.
#include "dane_urodz.h"
#include "json_wykresu.h"
#include "opcje_wykresu.h"
#include "polecenia.h"

#include <ostream>

namespace wiersz_polecen {

namespace {

std::string PomocPorown() {
  return "Użycie: kosmotyp-oblicz porown --osoba1 \"RRRR-MM-DD;GG:MM;PRZES;DLUG;SZER\"\n"
         "                               --osoba2 \"RRRR-MM-DD;GG:MM;PRZES;DLUG;SZER\"\n\n"
         "Oblicza wykres porównawczy dwóch osób i wypisuje obiekt JSON\n"
         "{\"Wykres1\":{…},\"Wykres2\":{…},\"AspektyPorown\":[…144]}.\n\n"
         "Pola każdej osoby rozdziela średnik, w kolejności i zakresach jak w poleceniu\n"
         "urodz: data, godzina (puste pole = godzina nieznana), przesunięcie GMT w\n"
         "minutach, długość i szerokość w minutach łuku.\n" +
         PomocOpcjiWykresu(false) +
         "\nPrzykład:\n"
         "  kosmotyp-oblicz porown --osoba1 \"1980-05-17;14:25;120;-1257;3014\" \\\n"
         "      --osoba2 \"1975-11-02;;60;-1197;3004\"\n\n"
         "Kody wyjścia: 0 — wykonano; 1 — wykresu którejś osoby nie da się obliczyć;\n"
         "2 — błędne opcje.\n";
}

// "RRRR-MM-DD;GG:MM;PRZES;DLUG;SZER" of one person.
wykres::TWynik<TDaneKosmotypuUrodz> ParsujOsobe(std::string_view tekst, const std::string& opcja) {
  std::vector<std::string> pola;
  std::size_t poczatek = 0;
  while (true) {
    const auto srednik = tekst.find(';', poczatek);
    pola.emplace_back(tekst.substr(poczatek, srednik - poczatek));
    if (srednik == std::string_view::npos)
      break;
    poczatek = srednik + 1;
  }
  if (pola.size() != 5)
    return wykres::Porazka<TDaneKosmotypuUrodz>(
        opcja +
        ": oczekiwano 5 pól rozdzielonych średnikiem (RRRR-MM-DD;GG:MM;PRZES;DLUG;SZER), "
        "jest " +
        std::to_string(pola.size()) + ".");
  const std::string nazwy[] = {opcja + ": data", opcja + ": godzina", opcja + ": przesunięcie GMT",
                               opcja + ": długość", opcja + ": szerokość"};
  const TNazwyPol nazwyPol{nazwy[0], nazwy[1], nazwy[2], nazwy[3], nazwy[4], "", ""};
  return ParsujDaneUrodz({pola[0], pola[1], pola[2], pola[3], pola[4], std::nullopt, std::nullopt},
                         nazwyPol);
}

int WykonajPorown(TKontekst& k) {
  std::vector<TSpecyfikacjaOpcji> spec = {
      {"--osoba1", "\"RRRR-MM-DD;GG:MM;PRZES;DLUG;SZER\"", true},
      {"--osoba2", "\"RRRR-MM-DD;GG:MM;PRZES;DLUG;SZER\"", true}};
  for (const TOpcjaWykresu* o : OpcjeWykresu())
    if (o->PoPorown)
      spec.push_back(o->Opcja);
  const auto opcje = ParsujOpcje(k.Argumenty, spec);
  if (!opcje)
    return ZglosBlad(k, opcje.Blad.Komunikat, KodBladDanych);
  const auto osoba1 = ParsujOsobe(opcje->at("--osoba1"), "--osoba1");
  if (!osoba1)
    return ZglosBlad(k, osoba1.Blad.Komunikat, KodBladDanych);
  const auto osoba2 = ParsujOsobe(opcje->at("--osoba2"), "--osoba2");
  if (!osoba2)
    return ZglosBlad(k, osoba2.Blad.Komunikat, KodBladDanych);
  const auto porown = wykres::ObliczWykresPorown(*osoba1, *osoba2);
  if (!porown)
    return ZglosBlad(k, porown.Blad.Komunikat, KodBladObliczen);
  for (const TOpcjaWykresu* o : OpcjeWykresu()) {
    const auto it = o->PoPorown ? opcje->find(o->Opcja.Nazwa) : opcje->end();
    if (it == opcje->end())
      continue;
    if (const auto blad = o->PoPorown(it->second, *osoba1, *osoba2, *porown))
      return ZglosBlad(k, blad->Komunikat, blad->Kod);
  }
  std::string json;
  DopiszWykresPorownJson(json, *osoba1, *osoba2, *porown);
  json += '\n';
  k.Wy << json;
  return KodSukces;
}

} // namespace

extern const TPolecenie PoleceniePorown = {"porown", "wykres porównawczy dwóch osób (JSON)",
                                           PomocPorown, WykonajPorown};

} // namespace wiersz_polecen
