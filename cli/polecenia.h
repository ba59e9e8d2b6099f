#pragma once
// The subcommands of kosmotyp-oblicz and the dispatcher that runs them.
//
// Adding a subcommand: write it in a source file of its own that defines
//   extern const wiersz_polecen::TPolecenie PolecenieXyz = {"xyz", "opis", PomocXyz, WykonajXyz};
// add the line POLECENIE(PolecenieXyz) to lista_polecen.h, and in
// cli/CMakeLists.txt add the file with target_sources(wiersz_polecen PRIVATE …)
// (and target_link_libraries(wiersz_polecen PUBLIC <library>) if it needs one).
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wiersz_polecen {

// Exit status: 0 done, 1 the chart (or the work) could not be done, 2 bad input.
inline constexpr int KodSukces = 0;
inline constexpr int KodBladObliczen = 1;
inline constexpr int KodBladDanych = 2;

inline constexpr std::string_view NazwaProgramu = "kosmotyp-oblicz";

struct TKontekst {
  std::vector<std::string> Argumenty; // everything after the subcommand's name
  std::istream& We;
  std::ostream& Wy;
  std::ostream& Bledy;
};

struct TPolecenie {
  std::string_view Nazwa;
  std::string_view Opis;  // one line in the list of subcommands
  std::string (*Pomoc)(); // usage, options and examples (Polish, UTF-8)
  int (*Wykonaj)(TKontekst& kontekst);
};

std::span<const TPolecenie* const> Polecenia();
const TPolecenie* ZnajdzPolecenie(std::string_view nazwa);

// Writes "kosmotyp-oblicz: <message>" to the error stream and returns the status.
int ZglosBlad(TKontekst& kontekst, std::string_view komunikat, int kod);

// The whole program: argv[1] names the subcommand; --help anywhere shows help.
int Uruchom(const std::vector<std::string>& argumenty, std::istream& we, std::ostream& wy,
            std::ostream& bledy);

} // namespace wiersz_polecen
