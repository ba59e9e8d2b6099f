#include "opcje_wykresu.h"

namespace wiersz_polecen {

#define OPCJA_WYKRESU(nazwa) extern const TOpcjaWykresu nazwa;
#include "lista_opcji_wykresu.h"
#undef OPCJA_WYKRESU

namespace {
#define OPCJA_WYKRESU(nazwa) &nazwa,
const TOpcjaWykresu* const TablicaOpcji[] = {
#include "lista_opcji_wykresu.h"
    nullptr, // keeps the array non-empty while the list is
};
#undef OPCJA_WYKRESU
} // namespace

std::span<const TOpcjaWykresu* const> OpcjeWykresu() {
  return {TablicaOpcji, std::size(TablicaOpcji) - 1};
}

std::string PomocOpcjiWykresu(bool urodz) {
  std::string pomoc;
  for (const TOpcjaWykresu* o : OpcjeWykresu())
    if (urodz ? o->PoUrodz != nullptr : o->PoPorown != nullptr)
      pomoc += "  " + std::string(o->Opcja.Nazwa) + " " + std::string(o->Opcja.Argument) +
               "\n      " + std::string(o->Opis) + "\n";
  return pomoc;
}

} // namespace wiersz_polecen
