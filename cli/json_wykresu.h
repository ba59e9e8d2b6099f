#pragma once
// Charts as JSON text (UTF-8). Field names are the chart record's own; the
// 1-based arrays become JSON arrays whose element 0 is point (house, slot) 1;
// numbers carry enough digits to read back the same double.
#include "rekordy_wykresu.h"
#include "wykres_porown.h"

#include <string>
#include <string_view>

namespace wiersz_polecen {

void DopiszTekstJson(std::string& cel, std::string_view tekst);
void DopiszLiczbeJson(std::string& cel, double liczba);

// {"Nazwa","Miejsce","CzasNieznany", then every field of the chart record}.
void DopiszWykresUrodzJson(std::string& cel, const wykres::TDaneKosmotypuUrodz& dane,
                           const wykres::TWykresUrodz& wykres);

// {"Wykres1":{…},"Wykres2":{…},"AspektyPorown":[…144]}.
void DopiszWykresPorownJson(std::string& cel, const wykres::TDaneKosmotypuUrodz& osoba1,
                            const wykres::TDaneKosmotypuUrodz& osoba2,
                            const wykres::TWykresPorown& porown);

// {"blad":"…","wiersz":N}, the batch's line for input it could not chart.
void DopiszBladWierszaJson(std::string& cel, std::string_view komunikat, long long wiersz);

} // namespace wiersz_polecen
