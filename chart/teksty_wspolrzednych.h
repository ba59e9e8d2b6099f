#pragma once
// Written forms of places, GMT offsets and angles, the same in every window,
// list and table. All texts are UTF-8.
#include "data_czas.h"

#include <cstdint>
#include <string>

namespace wykres {

// "21° 00' E": arc minutes, west positive; no letter for 0.
std::string TekstDlugosci(std::int32_t dlug);
// "52° 14' N": arc minutes, north positive; no letter for 0.
std::string TekstSzerokosci(std::int32_t szer);
// "13:30 GMT": the clock time of dataCzas shifted to GMT (date not shown).
std::string TekstCzasuGMT(std::int32_t przesGMT, obliczenia::TDataCzas dataCzas);
// "+1:00", "-5:30", "0:00".
std::string TekstPrzesGMT(std::int32_t przesGMT);

struct TStopnieMinutySekundy {
  std::int32_t Stopnie = 0;
  std::int32_t Minuty = 0;
  std::int32_t Sekundy = 0;
  friend bool operator==(const TStopnieMinutySekundy&, const TStopnieMinutySekundy&) = default;
};

// Splits an angle (degrees, >= 0) truncating at every step, so a value just
// below a whole degree never rounds up into it.
TStopnieMinutySekundy RozbijStopnie(double stopnie);

} // namespace wykres
