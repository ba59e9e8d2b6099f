#pragma once
// The program's date-time value: days since 1899-12-30 00:00 with the clock
// time as the fraction of a day. Before the epoch the whole part is negative
// and the fraction still counts forward from midnight (-1.25 is 1899-12-29
// 06:00), so the date and the time can always be read apart.
#include <cstdint>

namespace obliczenia {

struct TDataCzas {
  double Wartosc = 0.0;
  friend bool operator==(const TDataCzas&, const TDataCzas&) = default;
};

struct TDataKalendarzowa {
  int Rok = 1899;
  int Miesiac = 12;
  int Dzien = 30;
  friend bool operator==(const TDataKalendarzowa&, const TDataKalendarzowa&) = default;
};

struct TCzasZegarowy {
  int Godzina = 0;
  int Minuta = 0;
  int Sekunda = 0;
  int Milisekunda = 0;
  friend bool operator==(const TCzasZegarowy&, const TCzasZegarowy&) = default;
};

// Gregorian calendar (proleptic before 1582), like the desktop's date routines.
bool CzyRokPrzestepny(int rok);
int DniWMiesiacu(int rok, int miesiac);
bool CzyPoprawnaData(int rok, int miesiac, int dzien);
bool CzyPoprawnyCzas(int godzina, int minuta, int sekunda = 0, int milisekunda = 0);

// Whole days since 1899-12-30 of a calendar date (negative before it).
std::int64_t DniOdEpoki(const TDataKalendarzowa& data);
TDataKalendarzowa DataZDni(std::int64_t dni);

TDataCzas ZakodujDateCzas(const TDataKalendarzowa& data, const TCzasZegarowy& czas = {});
TDataKalendarzowa RozkodujDate(TDataCzas dc);
// The clock time rounded to the nearest millisecond; never 24:00.
TCzasZegarowy RozkodujCzas(TDataCzas dc);
// Milliseconds since the epoch, the unit in which two moments are equal.
std::int64_t MilisekundyOdEpoki(TDataCzas dc);
TDataCzas DataCzasZMilisekund(std::int64_t ms);

// Day of week 1 = Monday … 7 = Sunday.
int DzienTygodnia(const TDataKalendarzowa& data);

} // namespace obliczenia
