// One natal chart's astronomy (houses and positions, both passes) against the
// reference ephemeris computing the same: 11 bodies with longitude and
// declination at the birth moment and 54 minutes later, and Placidus twice.
#include "domy.h"
#include "pozycje.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

namespace {

void BM_ObliczDomyIPozycje(benchmark::State& stan) {
  obliczenia::TMomentUrodz m;
  m.Rok = 1985;
  m.Miesiac = 6;
  m.Dzien = 15;
  m.Minuty = 0;
  m.KorektaUT = -120;
  m.Dlug = -21 * 60;
  m.Szer = 52 * 60 + 14;
  for (auto _ : stan) {
    obliczenia::TPozycjeCial p;
    benchmark::DoNotOptimize(obliczenia::ObliczDomy(m, p, 'P'));
    obliczenia::ObliczPozycje(m, p);
    benchmark::DoNotOptimize(p);
    m.Minuty = static_cast<std::uint16_t>((m.Minuty + 1) % 1440);
  }
}
BENCHMARK(BM_ObliczDomyIPozycje)->Name("Kosmotyp: ObliczDomy + ObliczPozycje");

void BM_EfemerydaSzwajcarska(benchmark::State& stan) {
  const int ciala[11] = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,     SE_JUPITER,
                         SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};
  // The clock moves on every round so that the reference's cache of the last
  // instant never answers for it.
  double jd = 2446231.5;
  char blad[256];
  for (auto _ : stan) {
    for (double t : {jd, jd + 0.0375}) {
      for (int c : ciala) {
        double ekl[6], rown[6];
        swe_calc(t, c, SEFLG_MOSEPH, ekl, blad);
        swe_calc(t, c, SEFLG_MOSEPH | SEFLG_EQUATORIAL, rown, blad);
        benchmark::DoNotOptimize(ekl);
        benchmark::DoNotOptimize(rown);
      }
    }
    for (double t : {jd, jd + 33.0 / 1440.0}) {
      double cusps[13], ascmc[10];
      swe_houses(t, 52.23, 21.0, 'P', cusps, ascmc);
      benchmark::DoNotOptimize(cusps);
    }
    jd += 1.0 / 1440.0;
  }
}
BENCHMARK(BM_EfemerydaSzwajcarska)->Name("Efemeryda szwajcarska (Moshier): to samo");

} // namespace
