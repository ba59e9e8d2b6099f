#pragma once
// The aspect kinds with their exact angles, the orb table and the rule that
// decides which aspect (if any) a distance between two points makes.
#include "rekordy_wykresu.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace wykres {

inline constexpr int LiczbaRodzajowKatowych = 16; // kinds 0..15
inline constexpr int OrbDeklinacji = 16;          // orb-table entry of the declination aspects

struct TRodzajAspektu {
  double Kat;             // exact angle in degrees
  std::string_view Nazwa; // upper-case label (UTF-8)
};

// Kinds 0 (conjunction) .. 15 (opposition), in ascending angle.
extern const std::array<TRodzajAspektu, LiczbaRodzajowKatowych> TablicaKatow;

// The orb table: whole degrees per kind 0..15, entry 16 for parallels.
// The analysis reads it; callers reset it with UstawOrby before each chart.
struct TStanOrbow {
  std::array<std::int8_t, LiczbaRodzajowKatowych + 1> TablicaOrbow{};
  friend bool operator==(const TStanOrbow&, const TStanOrbow&) = default;
};

void UstawOrby(TStanOrbow& stan);
TStanOrbow OrbyDomyslne();

// Label of an angular aspect kind 0..15; empty for any other kind.
std::string_view NazwaAspektu(int rodzaj);

// The first kind whose window angle +- orb holds the distance c (0..180),
// applying when the later distance cPozniej is strictly nearer to exact.
// Rodzaj -1 (and Odchylenie 0, Zbliza false) when no kind fits.
TAspekt SzukajAspektu(const TStanOrbow& orby, double c, double cPozniej);

// The windows angle +- orb of every kind, prepared once for many pairs.
struct TOknaAspektow {
  double Od[LiczbaRodzajowKatowych];
  double Do[LiczbaRodzajowKatowych];
  double NajnizszeOd[LiczbaRodzajowKatowych]; // smallest Od of kind k and all later kinds
};
TOknaAspektow OknaAspektow(const TStanOrbow& orby);
// The same rule as SzukajAspektu(orby, …), with the windows prepared.
TAspekt SzukajAspektu(const TOknaAspektow& okna, double c, double cPozniej);

// Angular distance of two longitudes folded into 0..180.
inline double OdlegloscKatowa(double a, double b) {
  double c = a > b ? a - b : b - a;
  return c > 180.0 ? 360.0 - c : c;
}

} // namespace wykres
