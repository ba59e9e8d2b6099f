// kosmotyp-oblicz urodz: one natal chart as a JSON object.
#include "dane_urodz.h"
#include "json_wykresu.h"
#include "opcje_wykresu.h"
#include "polecenia.h"

#include <ostream>

namespace wiersz_polecen {

namespace {

std::string PomocUrodz() {
  return "Użycie: kosmotyp-oblicz urodz --data RRRR-MM-DD [--czas GG:MM] --przes MINUTY\n"
         "                              --dlug MINUTY_ŁUKU --szer MINUTY_ŁUKU\n"
         "                              [--nazwa TEKST] [--miejsce TEKST]\n\n"
         "Oblicza wykres urodzeniowy i wypisuje go jako jeden obiekt JSON.\n\n"
         "  --data RRRR-MM-DD   data urodzenia (czas lokalny), rok 1000..3000\n"
         "  --czas GG:MM        godzina urodzenia 00:00..23:59; bez niej godzina jest\n"
         "                      nieznana (CzasNieznany): bez domów i bez osi wykresu\n"
         "  --przes MINUTY      przesunięcie względem GMT, -780..780, na wschód dodatnie\n"
         "                      (czas lokalny = UT + przesunięcie; CET to 60)\n"
         "  --dlug MINUTY_ŁUKU  długość geograficzna, -10800..10800, zachodnia dodatnia\n"
         "                      (19°57' E to -1197)\n"
         "  --szer MINUTY_ŁUKU  szerokość geograficzna, -5400..5400, północna dodatnia\n"
         "                      (50°04' N to 3004)\n"
         "  --nazwa TEKST       imię i nazwisko (przepisywane do wyniku)\n"
         "  --miejsce TEKST     miejsce urodzenia (przepisywane do wyniku)\n" +
         PomocOpcjiWykresu(true) +
         "\nPrzykład:\n"
         "  kosmotyp-oblicz urodz --data 1980-05-17 --czas 14:25 --przes 120 \\\n"
         "      --dlug -1257 --szer 3014 --nazwa \"Jan Kowalski\" --miejsce \"Kair\"\n"
         "  kosmotyp-oblicz urodz --data 1975-11-02 --przes 60 --dlug -1197 --szer 3004\n\n"
         "Kody wyjścia: 0 — wykonano; 1 — wykresu nie da się obliczyć (szerokość, na\n"
         "której domy Placidusa nie istnieją); 2 — błędne opcje.\n";
}

int WykonajUrodz(TKontekst& k) {
  std::vector<TSpecyfikacjaOpcji> spec(std::begin(OpcjeDanychUrodz), std::end(OpcjeDanychUrodz));
  for (const TOpcjaWykresu* o : OpcjeWykresu())
    if (o->PoUrodz)
      spec.push_back(o->Opcja);
  const auto opcje = ParsujOpcje(k.Argumenty, spec);
  if (!opcje)
    return ZglosBlad(k, opcje.Blad.Komunikat, KodBladDanych);
  const auto dane = ParsujDaneUrodz(PolaZOpcji(*opcje));
  if (!dane)
    return ZglosBlad(k, dane.Blad.Komunikat, KodBladDanych);
  const auto wykres = wykres::ObliczWykresUrodz(*dane);
  if (!wykres)
    return ZglosBlad(k, wykres.Blad.Komunikat, KodBladObliczen);
  for (const TOpcjaWykresu* o : OpcjeWykresu()) {
    const auto it = o->PoUrodz ? opcje->find(o->Opcja.Nazwa) : opcje->end();
    if (it == opcje->end())
      continue;
    if (const auto blad = o->PoUrodz(it->second, *dane, *wykres))
      return ZglosBlad(k, blad->Komunikat, blad->Kod);
  }
  std::string json;
  DopiszWykresUrodzJson(json, *dane, *wykres);
  json += '\n';
  k.Wy << json;
  return KodSukces;
}

} // namespace

extern const TPolecenie PolecenieUrodz = {"urodz", "wykres urodzeniowy jednej osoby (JSON)",
                                          PomocUrodz, WykonajUrodz};

} // namespace wiersz_polecen
