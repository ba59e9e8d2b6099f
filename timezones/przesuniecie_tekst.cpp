#include "przesuniecie_tekst.h"

#include <charconv>
#include <cmath>
#include <string>

namespace strefy {

namespace {
std::string_view BezOdstepow(std::string_view tekst) {
  const auto odstep = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!tekst.empty() && odstep(tekst.front()))
    tekst.remove_prefix(1);
  while (!tekst.empty() && odstep(tekst.back()))
    tekst.remove_suffix(1);
  return tekst;
}
} // namespace

bool CzyZnakPrzesuniecia(char32_t znak) {
  return (znak >= U'0' && znak <= U'9') || znak == U'+' || znak == U',' || znak == U'-';
}

std::optional<std::int64_t> MinutyZTekstu(std::string_view tekst) {
  std::string liczba;
  std::size_t i = 0;
  if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-')) {
    if (tekst[i] == '-')
      liczba += '-';
    ++i;
  }
  bool cyfra = false, przecinek = false;
  for (; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c >= '0' && c <= '9') {
      cyfra = true;
      liczba += c;
    } else if (c == ',' && !przecinek) {
      przecinek = true;
      liczba += '.';
    } else {
      return std::nullopt;
    }
  }
  if (!cyfra || liczba.size() > 64)
    return std::nullopt;
  double godziny = 0;
  const auto [koniec, blad] =
      std::from_chars(liczba.data(), liczba.data() + liczba.size(), godziny);
  if (blad != std::errc() || koniec != liczba.data() + liczba.size())
    return std::nullopt;
  // nearbyint in the default rounding mode takes halves to the even minute.
  return static_cast<std::int64_t>(std::nearbyint(godziny * 60.0));
}

std::string_view SprawdzPrzesuniecie(std::string_view tekst) {
  tekst = BezOdstepow(tekst);
  if (tekst.empty())
    return KomunikatPodajPrzesuniecie;
  const auto minuty = MinutyZTekstu(tekst);
  if (!minuty)
    return KomunikatNieLiczba;
  if (*minuty < NajmniejszePrzesuniecie || *minuty > NajwiekszePrzesuniecie)
    return KomunikatPozaZakresem;
  return {};
}

} // namespace strefy
