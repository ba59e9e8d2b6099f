#pragma once
// Birth data from text fields, with the checks every subcommand shares:
// date RRRR-MM-DD (year 1000..3000, a real Gregorian day), time GG:MM
// (00:00..23:59, absent or empty = unknown), GMT offset |x| <= 780 minutes,
// longitude |x| <= 10800 and latitude |x| <= 5400 arc minutes.
#include "opcje.h"
#include "rekordy_wykresu.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wiersz_polecen {

using wykres::TDaneKosmotypuUrodz;

inline constexpr int RokMin = 1000, RokMax = 3000;
inline constexpr std::int32_t PrzesMax = 780, DlugMax = 10800, SzerMax = 5400;

// The fields as written; nullopt when a field was not given.
struct TPolaUrodz {
  std::optional<std::string> Data, Czas, Przes, Dlug, Szer, Nazwa, Miejsce;
};

// How the messages name each field: options on the command line, columns in CSV.
struct TNazwyPol {
  std::string_view Data, Czas, Przes, Dlug, Szer, Nazwa, Miejsce;
};
inline constexpr TNazwyPol NazwyOpcji{"--data", "--czas",  "--przes",  "--dlug",
                                      "--szer", "--nazwa", "--miejsce"};
inline constexpr TNazwyPol NazwyKolumn{"data", "czas", "przes", "dlug", "szer", "nazwa", "miejsce"};

// Stops at the first failing field; the message names it and its allowed range.
TWynik<TDaneKosmotypuUrodz> ParsujDaneUrodz(const TPolaUrodz& pola,
                                            const TNazwyPol& nazwy = NazwyOpcji);

// The seven birth-data options, ready to merge into a subcommand's option list.
inline constexpr TSpecyfikacjaOpcji OpcjeDanychUrodz[] = {
    {"--data", "RRRR-MM-DD", true},  {"--czas", "GG:MM", false},      {"--przes", "MINUTY", true},
    {"--dlug", "MINUTY_ŁUKU", true}, {"--szer", "MINUTY_ŁUKU", true}, {"--nazwa", "TEKST", false},
    {"--miejsce", "TEKST", false},
};
TPolaUrodz PolaZOpcji(const TOpcje& opcje);

// Single fields (surrounding blanks ignored).
TWynik<obliczenia::TDataKalendarzowa> ParsujDate(std::string_view tekst, std::string_view pole);
TWynik<obliczenia::TCzasZegarowy> ParsujCzas(std::string_view tekst, std::string_view pole);
TWynik<std::int32_t> ParsujLiczbe(std::string_view tekst, std::string_view pole, std::int32_t min,
                                  std::int32_t max, std::string_view jednostka);

std::string_view Przytnij(std::string_view tekst);

} // namespace wiersz_polecen
