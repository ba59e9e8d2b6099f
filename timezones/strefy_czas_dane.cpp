// The areas and their time-keeping periods, row by row as the historical
// record gives them. Bounds are at 00:00 of the date; a transition is
// {month, week, day, minute}: week -1 is the last Sunday, week 0 a fixed day.
#include "strefy_czas.h"

#include <array>
#include <cassert>

namespace strefy {

namespace {

constexpr TGranicaOkresu Otwarta{0, 0, 0, 0, true};
constexpr TZmianaCzasu Brak{0, 0, 0, 0};

// A date written {year, month, day} is a bound at 00:00 of that day.
constexpr TOkresStrefy Okres(TGranicaOkresu od, TGranicaOkresu doDaty, std::uint8_t rodzaj,
                             std::int32_t standard, TZmianaCzasu poczatekLata,
                             TZmianaCzasu koniecLata, std::int32_t przesuniecie) {
  return {rodzaj, standard, od, doDaty, poczatekLata, koniecLata, przesuniecie};
}

constexpr TOkresStrefy Staly(std::int32_t standard) {
  return {RodzajStaly, standard, Otwarta, Otwarta, Brak, Brak, 0};
}
constexpr TOkresStrefy Nieustalony{RodzajNieustalony, 0, Otwarta, Otwarta, Brak, Brak, 0};

// clang-format off
constexpr TOkresStrefy OkresyPolska[] = {
  //     from            to              kind std  summer start        summer end          shift
  Okres({1918, 11, 1}, {1919, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1919, 1, 1},  {1920, 1, 1},   1,   60,  {4, 0, 15, 120},    {12, 0, 31, 1440},  60),
  Okres({1920, 1, 1},  {1922, 1, 1},   0,  120,  Brak,               Brak,               0),
  Okres({1922, 1, 1},  {1923, 1, 1},   1,   60,  {1, 0, 1, 0},       {6, 0, 1, 0},       60),
  Okres({1923, 1, 1},  {1940, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1944, 1, 1},  {1945, 1, 1},   1,   60,  {4, 0, 3, 120},     {11, 0, 1, 60},     60),
  Okres({1945, 1, 1},  {1946, 1, 1},   1,   60,  {4, 0, 29, 0},      {11, 0, 1, 60},     60),
  Okres({1946, 1, 1},  {1947, 1, 1},   1,   60,  {4, 0, 14, 0},      {10, 0, 7, 180},    60),
  Okres({1947, 1, 1},  {1948, 1, 1},   1,   60,  {5, 0, 4, 120},     {10, 0, 5, 180},    60),
  Okres({1948, 1, 1},  {1949, 1, 1},   1,   60,  {4, 0, 18, 120},    {10, 0, 3, 180},    60),
  Okres({1949, 1, 1},  {1950, 1, 1},   1,   60,  {4, 0, 10, 120},    {10, 0, 2, 180},    60),
  Okres({1950, 1, 1},  {1957, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1957, 1, 1},  {1958, 1, 1},   1,   60,  {6, 0, 2, 60},      {9, 0, 29, 120},    60),
  Okres({1958, 1, 1},  {1959, 1, 1},   1,   60,  {3, 0, 30, 60},     {9, 0, 28, 120},    60),
  Okres({1959, 1, 1},  {1960, 1, 1},   1,   60,  {5, 0, 31, 60},     {10, 0, 4, 120},    60),
  Okres({1960, 1, 1},  {1961, 1, 1},   1,   60,  {4, 0, 3, 60},      {10, 0, 2, 120},    60),
  Okres({1961, 1, 1},  {1962, 1, 1},   1,   60,  {5, 0, 28, 60},     {10, 0, 1, 120},    60),
  Okres({1962, 1, 1},  {1963, 1, 1},   1,   60,  {5, 0, 27, 60},     {9, 0, 30, 120},    60),
  Okres({1963, 1, 1},  {1964, 1, 1},   1,   60,  {5, 0, 26, 60},     {9, 0, 29, 120},    60),
  Okres({1964, 1, 1},  {1965, 1, 1},   1,   60,  {5, 0, 31, 60},     {9, 0, 27, 120},    60),
  Okres({1965, 1, 1},  {1977, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1977, 1, 1},  {1978, 1, 1},   1,   60,  {4, 0, 3, 60},      {9, 0, 25, 120},    60),
  Okres({1978, 1, 1},  {1979, 1, 1},   1,   60,  {4, 0, 2, 60},      {10, 0, 1, 120},    60),
  Okres({1979, 1, 1},  {1980, 1, 1},   1,   60,  {4, 0, 1, 60},      {9, 0, 30, 120},    60),
  Okres({1980, 1, 1},  {1981, 1, 1},   1,   60,  {4, 0, 6, 60},      {9, 0, 28, 120},    60),
  Okres({1981, 1, 1},  {1988, 1, 1},   1,   60,  {3, -1, 0, 60},     {9, -1, 0, 120},    60),
  Okres({1988, 1, 1},  {1996, 1, 1},   1,   60,  {3, -1, 0, 120},    {9, -1, 0, 180},    60),
  Okres({1996, 1, 1},  Otwarta,        1,   60,  {3, -1, 0, 120},    {10, -1, 0, 180},   60),
};

constexpr TOkresStrefy OkresyZaborAustriacki[] = {
  //     from            to              kind std  summer start        summer end          shift
  Okres({1891, 10, 1}, {1916, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1916, 1, 1},  {1917, 1, 1},   1,   60,  {4, 0, 30, 1380},   {10, 0, 1, 60},     60),
  Okres({1917, 1, 1},  {1918, 1, 1},   1,   60,  {4, 0, 16, 120},    {9, 0, 17, 180},    60),
  Okres({1918, 1, 1},  {1919, 1, 1},   1,   60,  {4, 0, 15, 120},    {9, 0, 16, 180},    60),
};

constexpr TOkresStrefy OkresyZaborNiemiecki[] = {
  Okres({1893, 4, 1},  {1916, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1916, 1, 1},  {1917, 1, 1},   1,   60,  {4, 0, 30, 1380},   {10, 0, 1, 60},     60),
  Okres({1917, 1, 1},  {1918, 1, 1},   1,   60,  {4, 0, 16, 120},    {9, 0, 17, 180},    60),
  Okres({1918, 1, 1},  {1919, 1, 1},   1,   60,  {4, 0, 15, 120},    {9, 0, 16, 180},    60),
};

constexpr TOkresStrefy OkresyKrolestwo[] = {
  Okres({1880, 1, 1},  {1919, 1, 1},   0,   84,  Brak,               Brak,               0),
};

constexpr TOkresStrefy OkresyLitwa[] = {
  Okres({1880, 1, 1},  {1917, 1, 1},   0,   84,  Brak,               Brak,               0),
  Okres({1917, 1, 1},  {1919, 1, 1},   0,   95,  Brak,               Brak,               0),
};

constexpr TOkresStrefy OkresyBialorus[] = {
  Okres({1880, 1, 1},  {1917, 1, 1},   0,  121,  Brak,               Brak,               0),
  Okres({1917, 1, 1},  {1918, 1, 1},   1,  121,  {4, 0, 14, 0},      {5, 0, 30, 0},      60),
  Okres({1918, 1, 1},  {1919, 1, 1},   1,  121,  {5, 0, 31, 0},      {12, 0, 31, 0},     120),
};

constexpr TOkresStrefy OkresyUkraina[] = {
  Okres({1880, 1, 1},  {1917, 1, 1},   0,  122,  Brak,               Brak,               0),
  Okres({1917, 1, 1},  {1918, 1, 1},   1,  122,  {4, 0, 14, 0},      {5, 0, 30, 0},      60),
  Okres({1918, 1, 1},  {1919, 1, 1},   1,  122,  {5, 0, 31, 0},      {12, 0, 31, 0},     120),
};

constexpr TOkresStrefy OkresyOkupacjaNiemiecka[] = {
  Okres({1939, 9, 1},  {1940, 1, 1},   0,   60,  Brak,               Brak,               0),
  Okres({1940, 1, 1},  {1941, 1, 1},   1,   60,  {4, 0, 1, 120},     {12, 0, 31, 1440},  60),
  Okres({1941, 1, 1},  {1942, 1, 1},   0,  120,  Brak,               Brak,               0),
  Okres({1942, 1, 1},  {1943, 1, 1},   1,   60,  {1, 0, 1, 0},       {11, 0, 2, 180},    60),
  Okres({1943, 1, 1},  {1944, 1, 1},   1,   60,  {3, 0, 29, 120},    {10, 0, 4, 180},    60),
  Okres({1944, 1, 1},  {1945, 1, 1},   1,   60,  {4, 0, 3, 120},     {10, 0, 2, 180},    60),
  Okres({1945, 1, 1},  {1945, 6, 1},   0,   60,  Brak,               Brak,               0),
};

constexpr TOkresStrefy OkresyOkupacjaRadziecka[] = {
  Okres({1939, 9, 1},  {1945, 6, 1},   0,  120,  Brak,               Brak,               0),
};

// Area 1 has no period for 1940-1943; its default rule covers that gap.
constexpr std::array<TStrefaCzasowa, LiczbaStref> TabelaStref = {{
  // no  name                                      default          periods
  {1, "Polska",                                    Staly(60),       OkresyPolska},
  {2, "Zabór austriacki",                          Nieustalony,     OkresyZaborAustriacki},
  {3, "Zabór niemiecki",                           Nieustalony,     OkresyZaborNiemiecki},
  {4, "Zabór rosyjski (Królestwo Kongresowe)",     Nieustalony,     OkresyKrolestwo},
  {5, "Zabór rosyjski (Litwa)",                    Nieustalony,     OkresyLitwa},
  {6, "Zabór rosyjski (Białoruś)",                 Nieustalony,     OkresyBialorus},
  {7, "Zabór rosyjski (Ukraina)",                  Nieustalony,     OkresyUkraina},
  {8, "Okupacja niemiecka",                        Nieustalony,     OkresyOkupacjaNiemiecka},
  {9, "Okupacja radziecka",                        Nieustalony,     OkresyOkupacjaRadziecka},
}};
// clang-format on

} // namespace

const TStrefaCzasowa& Strefy(int numer) {
  assert(numer >= 1 && numer <= LiczbaStref);
  return TabelaStref[static_cast<std::size_t>(numer - 1)];
}

} // namespace strefy
