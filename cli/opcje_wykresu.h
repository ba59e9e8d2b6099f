#pragma once
// Extra options of "urodz" and "porown" that act on the computed chart (for
// example an export of its drawings). Adding one: define in a source file of
// its own
//   extern const wiersz_polecen::TOpcjaWykresu OpcjaXyz = {{"--xyz", "KATALOG"}, PoUrodz,
//   PoPorown};
// and add the line OPCJA_WYKRESU(OpcjaXyz) to lista_opcji_wykresu.h.
#include "opcje.h"
#include "wykres_porown.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wiersz_polecen {

struct TBladPolecenia {
  int Kod;               // exit status: KodBladDanych or KodBladObliczen
  std::string Komunikat; // Polish
};

struct TOpcjaWykresu {
  TSpecyfikacjaOpcji Opcja;
  // Run after the chart is computed and before its JSON is written; nullptr
  // when the option does not belong to that subcommand.
  std::optional<TBladPolecenia> (*PoUrodz)(std::string_view wartosc,
                                           const wykres::TDaneKosmotypuUrodz& dane,
                                           const wykres::TWykresUrodz& wykres);
  std::optional<TBladPolecenia> (*PoPorown)(std::string_view wartosc,
                                            const wykres::TDaneKosmotypuUrodz& osoba1,
                                            const wykres::TDaneKosmotypuUrodz& osoba2,
                                            const wykres::TWykresPorown& porown);
  std::string_view Opis = {}; // one line for --help
};

std::span<const TOpcjaWykresu* const> OpcjeWykresu();

// The help lines of the extra options that apply (urodz: true, porown: false).
std::string PomocOpcjiWykresu(bool urodz);

} // namespace wiersz_polecen
