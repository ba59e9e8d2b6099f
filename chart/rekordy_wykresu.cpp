#include "rekordy_wykresu.h"

#include <array>

namespace wykres {

namespace {
struct TTabeleSlotow {
  std::array<TParaPunktow, LiczbaSlotowAnalizy> Analizy{};
  std::array<TParaPunktow, LiczbaSlotowWykresu + 1> Wykresu{}; // index 0 unused
};

constexpr TTabeleSlotow ZbudujTabele() {
  TTabeleSlotow t{};
  int s = 0, k = 1;
  for (int a = 1; a <= 12; ++a)
    for (int b = a + 1; b <= 16; ++b) {
      t.Analizy[static_cast<std::size_t>(s++)] = {a, b};
      if (b != 14 && b != 16)
        t.Wykresu[static_cast<std::size_t>(k++)] = {a, b};
    }
  return t;
}
constexpr TTabeleSlotow Tabele = ZbudujTabele();
static_assert(Tabele.Analizy[113] == TParaPunktow{12, 16});
static_assert(Tabele.Wykresu[90] == TParaPunktow{12, 15});

// First slot of row a in the 114-slot order.
constexpr int PoczatekWiersza(int a) {
  return (a - 1) * 15 - (a - 1) * (a - 2) / 2;
}
} // namespace

int SlotAnalizy(int a, int b) {
  if (a < 1 || a > 12 || b <= a || b > 16)
    return -1;
  return PoczatekWiersza(a) + (b - a - 1);
}

TParaPunktow ParaSlotuAnalizy(int slot) {
  if (slot < 0 || slot >= LiczbaSlotowAnalizy)
    return {};
  return Tabele.Analizy[static_cast<std::size_t>(slot)];
}

int SlotWykresu(int a, int b) {
  if (SlotAnalizy(a, b) < 0 || b == 14 || b == 16)
    return 0;
  for (int k = 1; k <= LiczbaSlotowWykresu; ++k)
    if (Tabele.Wykresu[static_cast<std::size_t>(k)] == TParaPunktow{a, b})
      return k;
  return 0;
}

TParaPunktow ParaSlotuWykresu(int slot) {
  if (slot < 1 || slot > LiczbaSlotowWykresu)
    return {};
  return Tabele.Wykresu[static_cast<std::size_t>(slot)];
}

TMomentUrodz PrzygotujMoment(const TDaneKosmotypuUrodz& dane) {
  const auto data = obliczenia::RozkodujDate(dane.DataCzas);
  const auto czas = obliczenia::RozkodujCzas(dane.DataCzas);
  TMomentUrodz m;
  m.Dzien = static_cast<std::uint8_t>(data.Dzien);
  m.Miesiac = static_cast<std::uint8_t>(data.Miesiac);
  m.Rok = data.Rok;
  m.Minuty = static_cast<std::uint16_t>(czas.Godzina * 60 + czas.Minuta);
  m.KorektaUT = -dane.PrzesGMT;
  m.Dlug = dane.Dlug;
  m.Szer = dane.Szer;
  m.CzasNieznany = dane.CzasNieznany;
  return m;
}

} // namespace wykres
