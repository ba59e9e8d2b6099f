#pragma once
// Synthetic natal charts for the drawing tests.
#include "rekordy_wykresu.h"

#include <array>

wykres::TPozycjaWZnaku PozycjaZ(double dlugosc);
// Points 1..12 at the given longitudes, cusp 1 at `ascendent`, cusps 2..6
// every 30 degrees after it; signs and houses consistent, no aspects.
wykres::TWykresUrodz WykresTestowy(const std::array<double, 12>& dlugosci, double ascendent);
// A varied chart with a few aspects of every colour class.
wykres::TWykresUrodz WykresPrzykladowy();
