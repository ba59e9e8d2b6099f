// kosmotyp-oblicz: natal and comparison charts from the command line.
#include "polecenia.h"

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> argumenty(argv + 1, argv + argc);
  const int kod = wiersz_polecen::Uruchom(argumenty, std::cin, std::cout, std::cerr);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << wiersz_polecen::NazwaProgramu
              << ": nie udało się zapisać wyniku na standardowe wyjście.\n";
    return wiersz_polecen::KodBladObliczen;
  }
  return kod;
}
