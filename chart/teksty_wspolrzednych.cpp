#include "teksty_wspolrzednych.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace wykres {

namespace {
// Degrees and minutes of |v| arc minutes with a side letter for the sign of v.
std::string TekstKata(std::int32_t v, const char* dodatnia, const char* ujemna) {
  const std::int64_t a = std::llabs(static_cast<std::int64_t>(v));
  char bufor[48];
  std::snprintf(bufor, sizeof bufor, "%lld\u00b0 %.2lld'", static_cast<long long>(a / 60),
                static_cast<long long>(a % 60));
  std::string tekst = bufor;
  if (v > 0)
    tekst += dodatnia;
  else if (v < 0)
    tekst += ujemna;
  return tekst;
}
} // namespace

std::string TekstDlugosci(std::int32_t dlug) {
  return TekstKata(dlug, " W", " E");
}

std::string TekstSzerokosci(std::int32_t szer) {
  return TekstKata(szer, " N", " S");
}

std::string TekstCzasuGMT(std::int32_t przesGMT, obliczenia::TDataCzas dataCzas) {
  const auto czas = obliczenia::RozkodujCzas(dataCzas);
  // Any 32-bit offset: reduce into one day instead of a single +-1440 step.
  std::int64_t m = static_cast<std::int64_t>(czas.Godzina) * 60 + czas.Minuta - przesGMT;
  m %= 1440;
  if (m < 0)
    m += 1440;
  char bufor[32];
  std::snprintf(bufor, sizeof bufor, "%.2lld:%.2lld GMT", static_cast<long long>(m / 60),
                static_cast<long long>(m % 60));
  return bufor;
}

std::string TekstPrzesGMT(std::int32_t przesGMT) {
  std::string tekst;
  if (przesGMT < 0)
    tekst = "-";
  else if (przesGMT > 0)
    tekst = "+";
  const std::int64_t a = std::llabs(static_cast<std::int64_t>(przesGMT));
  char bufor[32];
  std::snprintf(bufor, sizeof bufor, "%lld:%.2lld", static_cast<long long>(a / 60),
                static_cast<long long>(a % 60));
  return tekst + bufor;
}

TStopnieMinutySekundy RozbijStopnie(double x) {
  TStopnieMinutySekundy w;
  if (!std::isfinite(x) || x < 0.0 || x >= 2147483647.0)
    return w;
  const double stopnie = std::trunc(x);
  double r = x - stopnie;
  const double minuty = std::trunc(r * 60.0);
  r -= minuty / 60.0;
  double sekundy = std::trunc(r * 3600.0);
  // Guard the truncation chain against a rounding step landing on 60.
  if (sekundy >= 60.0)
    sekundy = 59.0;
  if (sekundy < 0.0)
    sekundy = 0.0;
  w.Stopnie = static_cast<std::int32_t>(stopnie);
  w.Minuty = static_cast<std::int32_t>(minuty);
  w.Sekundy = static_cast<std::int32_t>(sekundy);
  return w;
}

} // namespace wykres
