#pragma once
// Historical GMT offsets on Polish territory, settled from the local civil
// date and time of a birth. Offsets are whole minutes east of GMT.
//
// The rules know nothing of windows: whenever they need the user (which area,
// what offset) they ask through TDialogiStref, so the same rules run under the
// real dialogs, a script in the tests or the command line.
#include "data_czas.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace strefy {

using obliczenia::TDataCzas;

// One entry of the area list handed to the zone choice dialog.
struct TOpisStrefy {
  std::string Nazwa;
  std::int32_t Strefa = 0; // 1 … 9
  friend bool operator==(const TOpisStrefy&, const TOpisStrefy&) = default;
};

// A bound of a period: the moment Rok-Miesiac-Dzien at Minuta div 60 : Minuta mod 60.
struct TGranicaOkresu {
  std::int32_t Rok = 0;
  std::int32_t Miesiac = 0;
  std::int32_t Dzien = 0;
  std::int32_t Minuta = 0;
  bool Otwarta = false; // no bound on this side
};

// A summer-time transition.
struct TZmianaCzasu {
  std::int32_t Miesiac = 0;
  // 0: on day Dzien; > 0: on the Tydzien-th Sunday; < 0: on the last Sunday of the month.
  std::int32_t Tydzien = 0;
  std::int32_t Dzien = 0;
  // Minutes after 00:00 of that day; 1440 and more fall on later days.
  std::int32_t Minuta = 0;
};

// Kinds of a period rule; any value other than these two counts as undetermined.
inline constexpr std::uint8_t RodzajStaly = 0;
inline constexpr std::uint8_t RodzajZCzasemLetnim = 1;
inline constexpr std::uint8_t RodzajNieustalony = 3;

struct TOkresStrefy {
  std::uint8_t Rodzaj = RodzajNieustalony;
  std::int32_t Standard = 0; // minutes
  TGranicaOkresu Od;         // inclusive
  TGranicaOkresu Do;         // exclusive
  TZmianaCzasu PoczatekLata;
  TZmianaCzasu KoniecLata;
  std::int32_t Przesuniecie = 0; // minutes added during summer time
};

struct TStrefaCzasowa {
  std::int32_t Numer = 0; // equal to its index in Strefy()
  std::string_view Nazwa;
  TOkresStrefy Domyslny;                // used when no period matches
  std::span<const TOkresStrefy> Okresy; // in search order
};

inline constexpr int LiczbaStref = 9;

// The nine areas, indexed 1 … 9 (Strefy(1) is "Polska").
const TStrefaCzasowa& Strefy(int numer);

// The user's side of the determination. Every callable must be set.
struct TPodanePrzesuniecie {
  std::int32_t Minuty = 0; // 0 when cancelled
  bool Anulowane = false;
};
struct TDialogiStref {
  // The chosen entry's area number, or -1 when the dialog was not confirmed.
  std::function<std::int32_t(const std::vector<TOpisStrefy>&)> WybierzObszar;
  std::function<TPodanePrzesuniecie()> PodajPrzesuniecie;
  std::function<void(std::string_view)> PokazKomunikat;
};

inline constexpr std::string_view KomunikatPominietaGodzina =
    "Podana godzina nie istnieje ze względu na przesunięcie czasu do przodu.";

// The local time does not exist (clocks went forward over it). It ends the
// whole determination: the caller must store no offset.
class TBladKonwersjiCzasu : public std::runtime_error {
public:
  TBladKonwersjiCzasu() : std::runtime_error(std::string(KomunikatPominietaGodzina)) {}
};

struct TUstalonePrzesuniecie {
  std::int32_t Minuty = 0; // means nothing when Anulowane
  bool Anulowane = false;
};

struct TPrzesuniecieReguly {
  std::int32_t Minuty = 0;
  bool Nieustalone = false;
};

// The only entry point for the rest of the program. On a skipped local time it
// shows KomunikatPominietaGodzina through dialogi.PokazKomunikat and throws
// TBladKonwersjiCzasu.
TUstalonePrzesuniecie UstalPrzesuniecieGMT(TDataCzas moment, const TDialogiStref& dialogi);

// The areas the user must choose among at this local moment, in the order
// they are offered; empty when the rules settle it alone (see StrefaBezWyboru).
std::vector<TOpisStrefy> StrefyDoWyboru(TDataCzas moment);
// The area that applies without a choice: 1 … 9, or 0 when none applies;
// meaningful only when StrefyDoWyboru is empty.
std::int32_t StrefaBezWyboru(TDataCzas moment);

// 1 … 9, 0 when no area applies, -1 when the user cancelled the choice.
std::int32_t WybierzStrefe(TDataCzas moment, const TDialogiStref& dialogi);

// These throw TBladKonwersjiCzasu for a skipped local time (without a message).
TPrzesuniecieReguly PrzesuniecieWStrefie(std::int32_t strefa, TDataCzas moment);
TPrzesuniecieReguly PrzesuniecieOkresu(const TOkresStrefy& okres, TDataCzas moment);

TDataCzas MomentZmiany(std::int32_t rok, const TZmianaCzasu& zmiana);
TDataCzas MomentGranicy(const TGranicaOkresu& granica);

// Moments closer than one millisecond are equal. Result < 0, 0 or > 0.
int PorownajMomenty(TDataCzas a, TDataCzas b);

} // namespace strefy
