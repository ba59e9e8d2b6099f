// One evaluation of each analytical series.
#include "ksiezyc.h"
#include "planety.h"
#include "pluton_dlugi.h"
#include "slonce.h"

#include <benchmark/benchmark.h>

namespace {

template <void (*Szereg)(double, double&, double&, double&)>
void BM_Szereg(benchmark::State& stan) {
  double t = -0.5;
  for (auto _ : stan) {
    double l, b, r;
    Szereg(t, l, b, r);
    benchmark::DoNotOptimize(l);
    benchmark::DoNotOptimize(b);
    benchmark::DoNotOptimize(r);
    t += 1e-6;
  }
}

BENCHMARK(BM_Szereg<obliczenia::SunSeries>)->Name("SunSeries");
BENCHMARK(BM_Szereg<obliczenia::MercurySeries>)->Name("MercurySeries");
BENCHMARK(BM_Szereg<obliczenia::VenusSeries>)->Name("VenusSeries");
BENCHMARK(BM_Szereg<obliczenia::MarsSeries>)->Name("MarsSeries");
BENCHMARK(BM_Szereg<obliczenia::JupiterSeries>)->Name("JupiterSeries");
BENCHMARK(BM_Szereg<obliczenia::SaturnSeries>)->Name("SaturnSeries");
BENCHMARK(BM_Szereg<obliczenia::UranusSeries>)->Name("UranusSeries");
BENCHMARK(BM_Szereg<obliczenia::NeptuneSeries>)->Name("NeptuneSeries");
BENCHMARK(BM_Szereg<obliczenia::PlutoSeries>)->Name("PlutoSeries");

// The Moon with its node and the node's declination.
void BM_MoonSeries(benchmark::State& stan) {
  double t = -0.5;
  for (auto _ : stan) {
    benchmark::DoNotOptimize(obliczenia::MoonSeries(t));
    t += 1e-6;
  }
}
BENCHMARK(BM_MoonSeries)->Name("MoonSeries");

// Both passes of the long-range theory (instant and 33 minutes later).
void BM_PlutonDlugookresowy(benchmark::State& stan) {
  double godziny = 0.0;
  for (auto _ : stan) {
    benchmark::DoNotOptimize(obliczenia::PlutonDlugookresowy(1870, 5, 17, godziny));
    godziny = godziny < 23.0 ? godziny + 1e-4 : 0.0;
  }
}
BENCHMARK(BM_PlutonDlugookresowy)->Name("PlutonDlugookresowy");

} // namespace
