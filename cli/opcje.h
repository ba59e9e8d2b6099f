#pragma once
// Options of the form "--nazwa WARTOŚĆ" or "--nazwa=WARTOŚĆ", checked against
// the list a subcommand accepts.
#include "wynik_obliczen.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wiersz_polecen {

using wykres::TWynik;

struct TSpecyfikacjaOpcji {
  std::string_view Nazwa;    // with the dashes: "--data"
  std::string_view Argument; // what the value looks like: "RRRR-MM-DD"
  bool Wymagana = false;
};

using TOpcje = std::map<std::string, std::string, std::less<>>;

// Every option at most once, each with a value; unknown options and stray
// words are errors (Polish message naming the option).
TWynik<TOpcje> ParsujOpcje(const std::vector<std::string>& argumenty,
                           std::span<const TSpecyfikacjaOpcji> dozwolone);

// A user's text shown inside a message: at most a few dozen characters,
// control characters and broken UTF-8 replaced.
std::string TekstDoKomunikatu(std::string_view tekst);

bool CzyPoprawneUtf8(std::string_view tekst);

} // namespace wiersz_polecen
