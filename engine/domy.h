#pragma once
// House cusps and the four angles of a birth moment and place, in the
// systems of Placidus ('P'), Koch ('K'), Regiomontanus ('R') and Campanus ('C').
#include "rekordy_silnika.h"

#include <array>
#include <optional>
#include <string>

namespace obliczenia {

enum class TRodzajBleduDomow {
  BrakWierzcholkow, // beyond the polar circles the system's cusps do not exist
  NieznanySystem,
};

// Why no houses could be computed. The record passed in is left untouched.
struct TBladDomow {
  TRodzajBleduDomow Rodzaj = TRodzajBleduDomow::BrakWierzcholkow;
  char System = 'P';
  double Szerokosc = 0.0;         // of the place, degrees, north positive
  double GranicaSzerokosci = 0.0; // 90 degrees minus the obliquity
};

// Cusps 1..12 and the Midheaven, radians in [0, 2pi); cusp 1 is the Ascendant.
struct TWierzcholkiDomow {
  std::array<double, 13> Dom{}; // index 0 unused
  double MC = 0.0;
};

// The cusps for a given right ascension of the meridian, obliquity and latitude
// (all radians), or nothing when the system has no cusps there.
std::optional<TWierzcholkiDomow> WierzcholkiDomow(double ramc, double eps, double szer,
                                                  char system);

// Obliquity of the house routine, degrees, from centuries since 1900 January 0.5.
double NachylenieDomow(double t1900);

// Fills Domy and DomyPozniej (degrees) and DlugEkl / DlugEklPozniej of points
// 13..16 (radians); the second set is for 33 minutes later. On failure the
// record is not changed.
std::optional<TBladDomow> ObliczDomy(const TMomentUrodz& moment, TPozycjeCial& pozycje,
                                     char system = 'P');

// The failure as a Polish sentence for a message box (UTF-8).
std::string OpisBleduDomow(const TBladDomow& blad);

} // namespace obliczenia
