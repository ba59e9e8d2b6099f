#pragma once
// The engine's own records: the birth moment it is asked about and the
// working record that the house and position steps fill for one chart.
#include "tablica_od1.h"

#include <cstdint>

namespace obliczenia {

// Chart points, in the numbering every part of the program shares.
enum TPunkt : int {
  Slonce = 1,
  Ksiezyc = 2,
  Merkury = 3,
  Wenus = 4,
  Mars = 5,
  Jowisz = 6,
  Saturn = 7,
  Uran = 8,
  Neptun = 9,
  Pluton = 10,
  WezelPolnocny = 11,
  WezelPoludniowy = 12,
  Ascendent = 13,
  Descendent = 14,
  MC = 15,
  IC = 16,
};
inline constexpr int LiczbaPunktow = 16;
inline constexpr int LiczbaPlanet = 10;
inline constexpr int LiczbaDomow = 12;

// Local civil date and clock time with the correction to universal time.
struct TMomentUrodz {
  std::uint16_t Minuty = 0; // hour * 60 + minute of the local clock, 0..1439
  std::uint8_t Dzien = 1;
  std::uint8_t Miesiac = 1;
  std::int32_t Rok = 2000;
  std::int32_t KorektaUT = 0; // minutes added to Minuty to get UT; always -PrzesGMT
  std::int32_t Dlug = 0;      // arc minutes, west positive
  std::int32_t Szer = 0;      // arc minutes, north positive
  bool CzasNieznany = false;
  friend bool operator==(const TMomentUrodz&, const TMomentUrodz&) = default;
};

// Working record of one chart, in degrees (points 13..16 hold radians between
// the house step and the position step).
struct TPozycjeCial {
  TTablicaOd1<double, 16> DlugEkl;
  TTablicaOd1<double, 16> DlugEklPozniej; // 54 minutes later (13..16: second house pass)
  TTablicaOd1<double, 16> SzerEkl;
  TTablicaOd1<double, 16> Deklinacja;
  TTablicaOd1<double, 16> DeklinacjaPozniej;
  TTablicaOd1<bool, 13> Retro; // only points 3..10 are ever set
  TTablicaOd1<double, 12> Domy;
  TTablicaOd1<double, 12> DomyPozniej;
  friend bool operator==(const TPozycjeCial&, const TPozycjeCial&) = default;
};

} // namespace obliczenia
