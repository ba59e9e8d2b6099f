#include "data_czas.h"

#include <cmath>

namespace obliczenia {

namespace {
constexpr std::int64_t MsNaDobe = 86'400'000;
constexpr std::int64_t DniEpokiUnix = 25'569; // 1899-12-30 .. 1970-01-01

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DniOd1970(int rok, int miesiac, int dzien) {
  const std::int64_t y = static_cast<std::int64_t>(rok) - (miesiac <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (miesiac + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + dzien - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}
} // namespace

bool CzyRokPrzestepny(int rok) { return (rok % 4 == 0 && rok % 100 != 0) || rok % 400 == 0; }

int DniWMiesiacu(int rok, int miesiac) {
  static constexpr int Dni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (miesiac < 1 || miesiac > 12)
    return 0;
  return miesiac == 2 && CzyRokPrzestepny(rok) ? 29 : Dni[miesiac - 1];
}

bool CzyPoprawnaData(int rok, int miesiac, int dzien) {
  return rok >= 1 && rok <= 9999 && miesiac >= 1 && miesiac <= 12 && dzien >= 1 &&
         dzien <= DniWMiesiacu(rok, miesiac);
}

bool CzyPoprawnyCzas(int godzina, int minuta, int sekunda, int milisekunda) {
  return godzina >= 0 && godzina < 24 && minuta >= 0 && minuta < 60 && sekunda >= 0 &&
         sekunda < 60 && milisekunda >= 0 && milisekunda < 1000;
}

std::int64_t DniOdEpoki(const TDataKalendarzowa& data) {
  return DniOd1970(data.Rok, data.Miesiac, data.Dzien) + DniEpokiUnix;
}

TDataKalendarzowa DataZDni(std::int64_t dni) {
  const std::int64_t z = dni - DniEpokiUnix + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int dzien = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int miesiac = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int rok = static_cast<int>(yoe + era * 400 + (miesiac <= 2 ? 1 : 0));
  return {rok, miesiac, dzien};
}

std::int64_t MilisekundyOdEpoki(TDataCzas dc) {
  const double dni = std::trunc(dc.Wartosc);
  const double ulamek = std::fabs(dc.Wartosc - dni);
  return static_cast<std::int64_t>(dni) * MsNaDobe +
         static_cast<std::int64_t>(std::llround(ulamek * static_cast<double>(MsNaDobe)));
}

TDataCzas DataCzasZMilisekund(std::int64_t ms) {
  std::int64_t dni = ms / MsNaDobe;
  std::int64_t reszta = ms % MsNaDobe;
  if (reszta < 0) {
    reszta += MsNaDobe;
    --dni;
  }
  const double ulamek = static_cast<double>(reszta) / static_cast<double>(MsNaDobe);
  const double d = static_cast<double>(dni);
  return {dni >= 0 ? d + ulamek : d - ulamek};
}

TDataCzas ZakodujDateCzas(const TDataKalendarzowa& data, const TCzasZegarowy& czas) {
  const std::int64_t ms =
      DniOdEpoki(data) * MsNaDobe +
      ((static_cast<std::int64_t>(czas.Godzina) * 60 + czas.Minuta) * 60 + czas.Sekunda) * 1000 +
      czas.Milisekunda;
  return DataCzasZMilisekund(ms);
}

namespace {
// Splits into whole days (floor) and milliseconds within the day.
void Rozbij(TDataCzas dc, std::int64_t& dni, std::int64_t& msDnia) {
  const std::int64_t ms = MilisekundyOdEpoki(dc);
  dni = ms / MsNaDobe;
  msDnia = ms % MsNaDobe;
  if (msDnia < 0) {
    msDnia += MsNaDobe;
    --dni;
  }
}
} // namespace

TDataKalendarzowa RozkodujDate(TDataCzas dc) {
  std::int64_t dni = 0, msDnia = 0;
  Rozbij(dc, dni, msDnia);
  return DataZDni(dni);
}

TCzasZegarowy RozkodujCzas(TDataCzas dc) {
  std::int64_t dni = 0, msDnia = 0;
  Rozbij(dc, dni, msDnia);
  TCzasZegarowy c;
  c.Milisekunda = static_cast<int>(msDnia % 1000);
  const std::int64_t s = msDnia / 1000;
  c.Sekunda = static_cast<int>(s % 60);
  c.Minuta = static_cast<int>((s / 60) % 60);
  c.Godzina = static_cast<int>(s / 3600);
  return c;
}

int DzienTygodnia(const TDataKalendarzowa& data) {
  // 1970-01-01 was a Thursday (4).
  const std::int64_t d = DniOd1970(data.Rok, data.Miesiac, data.Dzien);
  const std::int64_t w = ((d % 7) + 7 + 3) % 7; // 0 = Monday
  return static_cast<int>(w) + 1;
}

} // namespace obliczenia
