#pragma once
// Birth data and the natal chart record that windows, renderers and reports read.
#include "data_czas.h"
#include "rekordy_silnika.h"
#include "tablica_od1.h"

#include <cstdint>
#include <string>

namespace wykres {

using obliczenia::TDataCzas;
using obliczenia::TMomentUrodz;
using obliczenia::TPozycjeCial;
using obliczenia::TTablicaOd1;

// One person's birth data as the person lists hand it to a chart window.
struct TDaneKosmotypuUrodz {
  std::string Nazwa;   // first name, blank, surname (UTF-8)
  std::string Miejsce; // birth place (UTF-8)
  TDataCzas DataCzas;  // local civil date and clock time; 00:00 when unknown
  bool CzasNieznany = false;
  std::int32_t PrzesGMT = 0; // minutes, east positive: local = UT + PrzesGMT
  std::int32_t Dlug = 0;     // arc minutes, west positive
  std::int32_t Szer = 0;     // arc minutes, north positive
  friend bool operator==(const TDaneKosmotypuUrodz&, const TDaneKosmotypuUrodz&) = default;
};

// Aspect kinds beyond the sixteen angular ones.
inline constexpr int BrakAspektu = -1;
inline constexpr int Paralela = 16;
inline constexpr int KontraParalela = 17;

struct TAspekt {
  std::int32_t Rodzaj = BrakAspektu; // -1 none, 0..15 angular, 16 parallel, 17 contra-parallel
  double Odchylenie = 0.0;           // degrees from exact, >= 0
  bool Zbliza = false;               // applying
  friend bool operator==(const TAspekt&, const TAspekt&) = default;
};

struct TPozycjaWZnaku {
  std::int32_t Znak = 0; // 1..12 (0 when the houses are unknown)
  double Stopien = 0.0;  // 0 <= x < 30
  friend bool operator==(const TPozycjaWZnaku&, const TPozycjaWZnaku&) = default;
};

inline constexpr int LiczbaSlotowAnalizy = 114; // pairs (a, b), a = 1..12, b = a+1..16
inline constexpr int LiczbaSlotowWykresu = 90;  // the same without b = 14 and b = 16

struct TAnalizaWykresu {
  TTablicaOd1<std::uint8_t, 16> ZnakPunktu;
  TTablicaOd1<std::uint8_t, 12> DomPunktu; // 0 when the birth time is unknown
  TTablicaOd1<std::uint8_t, 12> ZnakDomu;  // 0 when the birth time is unknown
  TAspekt AspektyPar[LiczbaSlotowAnalizy];
  TAspekt ParalelePar[LiczbaSlotowAnalizy];
  friend bool operator==(const TAnalizaWykresu&, const TAnalizaWykresu&) = default;
};

// The natal chart: a plain value record, copied into windows and reports.
struct TWykresUrodz {
  TTablicaOd1<double, 12> DlugEkl;
  TTablicaOd1<TPozycjaWZnaku, 12> PozycjaPunktu;
  TTablicaOd1<bool, 12> Retro;
  TTablicaOd1<std::int32_t, 12> DomPunktu;
  TTablicaOd1<double, 14> Deklinacja;
  TTablicaOd1<double, 6> Wierzcholek;
  TTablicaOd1<TPozycjaWZnaku, 12> PozycjaDomu;
  TTablicaOd1<TAspekt, 90> Aspekty;
  TTablicaOd1<TAspekt, 90> Paralele;
  TDataCzas CzasGwiazdowy; // time part only: whole hours and minutes
  friend bool operator==(const TWykresUrodz&, const TWykresUrodz&) = default;
};

struct TParaPunktow {
  int A = 0;
  int B = 0;
  friend bool operator==(const TParaPunktow&, const TParaPunktow&) = default;
};

// The 114-slot order of the analysis (0-based).
int SlotAnalizy(int a, int b);           // -1 when (a, b) is not a slot
TParaPunktow ParaSlotuAnalizy(int slot); // slot 0..113
// The 90-slot order of the chart record (1-based); b is never 14 or 16.
int SlotWykresu(int a, int b);           // 0 when (a, b) is not a slot
TParaPunktow ParaSlotuWykresu(int slot); // slot 1..90

TMomentUrodz PrzygotujMoment(const TDaneKosmotypuUrodz& dane);

} // namespace wykres
