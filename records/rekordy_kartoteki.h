#pragma once
// One row of each user table, as plain values.
#include "data_czas.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace kartoteka {

constexpr int RodzajPolski = 1;
constexpr int RodzajZagraniczny = 2;

// Text limits of the fields (characters).
constexpr int DlugoscNazwiska = 30;
constexpr int DlugoscImienia = 30;
constexpr int DlugoscNazwyMiejsca = 100;
constexpr int DlugoscNazwyPanstwa = 50;

// Coordinates in arc minutes: latitude north positive, longitude WEST positive.
constexpr std::int32_t NajwiekszaDlugosc = 10800;
constexpr std::int32_t NajwiekszaSzerokosc = 5400;
// GMT offsets in minutes, east positive.
constexpr int NajmniejszePrzesuniecie = -720;
constexpr int NajwiekszePrzesuniecie = 780;

struct TOsoba {
  std::int32_t IdOsoby = 0; // 0: not yet posted
  QString Nazwisko;
  QString Imie; // empty: none
  obliczenia::TDataKalendarzowa Data;
  std::optional<obliczenia::TCzasZegarowy> Czas; // whole minutes; empty: unknown
  std::optional<std::int32_t> PrzesGMT;          // empty: not settled
  std::int32_t IdMiejsca = 0;
  friend bool operator==(const TOsoba&, const TOsoba&) = default;
};

struct TMiejsce {
  std::int32_t IdMiejsca = 0; // 0: not yet posted
  QString Nazwa;
  std::int32_t Dlugosc = 0;
  std::int32_t Szerokosc = 0;
  int Rodzaj = RodzajPolski;
  std::optional<std::int32_t> IdPanstwa; // foreign places only
  friend bool operator==(const TMiejsce&, const TMiejsce&) = default;
};

struct TPanstwo {
  std::int32_t IdPanstwa = 0;
  QString Nazwa;
  friend bool operator==(const TPanstwo&, const TPanstwo&) = default;
};

} // namespace kartoteka
