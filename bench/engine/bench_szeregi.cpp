// One evaluation of each analytical series.
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

} // namespace
