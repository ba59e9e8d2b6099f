#include "wykres_porown.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace wykres;

namespace {

std::vector<TDaneKosmotypuUrodz> LosoweUrodzenia(std::size_t ile) {
  std::mt19937 gen(20240611);
  std::uniform_int_distribution<int> rok(1900, 2050), miesiac(1, 12), dzien(1, 28), minuta(0, 1439),
      przes(-720, 720), dlug(-10800, 10800), szer(-3900, 3900);
  std::vector<TDaneKosmotypuUrodz> dane(ile);
  for (auto& d : dane) {
    const int m = minuta(gen);
    d.DataCzas =
        obliczenia::ZakodujDateCzas({rok(gen), miesiac(gen), dzien(gen)}, {m / 60, m % 60});
    d.PrzesGMT = przes(gen);
    d.Dlug = dlug(gen);
    d.Szer = szer(gen);
  }
  return dane;
}

void BM_AnalizujWykres(benchmark::State& stan) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> kat(0.0, 360.0), dekl(-25.0, 25.0);
  std::vector<TPozycjeCial> pozycje(256);
  for (auto& p : pozycje) {
    for (int n = 1; n <= 16; ++n) {
      p.DlugEkl[n] = kat(gen);
      p.DlugEklPozniej[n] = p.DlugEkl[n];
      p.Deklinacja[n] = p.DeklinacjaPozniej[n] = dekl(gen);
    }
    for (int h = 1; h <= 12; ++h)
      p.Domy[h] = 30.0 * (h - 1);
  }
  const TStanOrbow orby = OrbyDomyslne();
  const TMomentUrodz moment;
  std::size_t i = 0;
  for (auto _ : stan)
    benchmark::DoNotOptimize(AnalizujWykres(orby, moment, pozycje[i++ & 255]));
}
BENCHMARK(BM_AnalizujWykres);

void BM_ObliczWykresUrodz(benchmark::State& stan) {
  const auto dane = LosoweUrodzenia(1024);
  std::size_t i = 0;
  for (auto _ : stan)
    benchmark::DoNotOptimize(ObliczWykresUrodz(dane[i++ & 1023]));
}
BENCHMARK(BM_ObliczWykresUrodz);

void BM_ObliczWykresPorown(benchmark::State& stan) {
  const auto dane = LosoweUrodzenia(1024);
  std::size_t i = 0;
  for (auto _ : stan) {
    benchmark::DoNotOptimize(ObliczWykresPorown(dane[i & 1023], dane[(i + 1) & 1023]));
    ++i;
  }
}
BENCHMARK(BM_ObliczWykresPorown);

} // namespace
