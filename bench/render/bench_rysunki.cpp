// Recording all drawings of a chart window: the six natal drawings and the
// twelve comparison drawings, on charts with a realistic set of aspects.
#include "aspekty.h"
#include "czcionki.h"
#include "eksport.h"
#include "grafika_porown.h"
#include "kolo.h"
#include "rozklady.h"
#include "tabele.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

wykres::TPozycjaWZnaku Pozycja(double dlugosc) {
  const int znak = static_cast<int>(dlugosc / 30.0) + 1;
  return {znak, dlugosc - 30.0 * (znak - 1)};
}

double Dlugosc(const wykres::TWykresUrodz& w, int punkt) {
  if (punkt <= 12)
    return w.DlugEkl[punkt];
  return punkt == 13 ? w.Wierzcholek[1] : std::fmod(w.Wierzcholek[4] + 180.0, 360.0);
}

// A chart record from longitudes, its aspects found by the chart's own rule.
wykres::TWykresUrodz Wykres(const std::array<double, 12>& dlugosci, double ascendent) {
  wykres::TWykresUrodz w;
  for (int p = 1; p <= 12; ++p) {
    w.DlugEkl[p] = dlugosci[static_cast<std::size_t>(p - 1)];
    w.PozycjaPunktu[p] = Pozycja(w.DlugEkl[p]);
    w.Retro[p] = p >= 3 && p % 3 == 0;
  }
  for (int j = 1; j <= 6; ++j)
    w.Wierzcholek[j] = std::fmod(ascendent + 28.0 * (j - 1), 360.0);
  for (int h = 1; h <= 12; ++h)
    w.PozycjaDomu[h] = Pozycja(std::fmod(ascendent + 30.0 * (h - 1), 360.0));
  for (int p = 1; p <= 12; ++p)
    w.DomPunktu[p] = static_cast<int>(std::fmod(w.DlugEkl[p] - ascendent + 720.0, 360.0) / 30) + 1;
  const wykres::TStanOrbow orby = wykres::OrbyDomyslne();
  for (int s = 1; s <= 90; ++s) {
    const wykres::TParaPunktow para = wykres::ParaSlotuWykresu(s);
    const double c = wykres::OdlegloscKatowa(Dlugosc(w, para.A), Dlugosc(w, para.B));
    w.Aspekty[s] = wykres::SzukajAspektu(orby, c, c * 0.999);
  }
  return w;
}

const wykres::TWykresUrodz Wykres1 =
    Wykres({56.2, 310.7, 40.1, 88.4, 150.3, 221.9, 278.0, 230.5, 261.2, 200.8, 33.3, 213.3}, 171.4);
const wykres::TWykresUrodz Wykres2 = Wykres(
    {219.6, 12.4, 235.0, 190.2, 300.7, 160.3, 214.1, 215.8, 250.2, 188.9, 54.0, 234.0}, 95.0);

grafika::TAspektyPorown AspektyPorown() {
  grafika::TAspektyPorown a;
  const wykres::TStanOrbow orby = wykres::OrbyDomyslne();
  for (int pa = 1; pa <= 12; ++pa)
    for (int pb = 1; pb <= 12; ++pb) {
      const double c = wykres::OdlegloscKatowa(grafika::DlugoscPunktuPorown(Wykres1, pa),
                                               grafika::DlugoscPunktuPorown(Wykres2, pb));
      wykres::TAspekt asp = wykres::SzukajAspektu(orby, c, c * 0.999);
      if (asp.Odchylenie > 4.0)
        asp = {};
      a[(pa - 1) * 12 + pb] = asp;
    }
  return a;
}
const grafika::TAspektyPorown Porown = AspektyPorown();

void SzescRysunkowUrodz(benchmark::State& stan) {
  grafika::TStanGrafiki grafika;
  grafika::UstawPalete(grafika.Paleta, false);
  for (auto _ : stan)
    benchmark::DoNotOptimize(grafika::RysunkiUrodz(grafika, Wykres1));
}
BENCHMARK(SzescRysunkowUrodz)->Unit(benchmark::kMillisecond);

void DwanascieRysunkowPorown(benchmark::State& stan) {
  grafika::TStanGrafikiPorown grafika;
  grafika::UstawPalete(grafika.Paleta, false);
  for (auto _ : stan)
    benchmark::DoNotOptimize(grafika::RysunkiPorown(grafika, Wykres1, Wykres2, Porown));
}
BENCHMARK(DwanascieRysunkowPorown)->Unit(benchmark::kMillisecond);

// The wheels alone: the largest drawings of each window.
void KoloUrodz(benchmark::State& stan) {
  grafika::TStanGrafiki grafika;
  grafika::UstawPalete(grafika.Paleta, false);
  grafika::TProstokatySymboli symbole;
  grafika::TProstokatyKropek kropki;
  for (auto _ : stan)
    benchmark::DoNotOptimize(grafika::RysujKolo(grafika, Wykres1, symbole, kropki));
}
BENCHMARK(KoloUrodz)->Unit(benchmark::kMillisecond);

void KoloPorown(benchmark::State& stan) {
  grafika::TStanGrafikiPorown grafika;
  grafika::UstawPalete(grafika.Paleta, false);
  grafika::TProstokatySymboliPorown symbole;
  grafika::TProstokatyKropekPorown kropki;
  for (auto _ : stan)
    benchmark::DoNotOptimize(
        grafika::RysujKoloPorown(grafika, Wykres1, Wykres2, Porown, symbole, kropki));
}
BENCHMARK(KoloPorown)->Unit(benchmark::kMillisecond);

// The tables one by one, to see where the time of a window goes.
void TabelaPlanet(benchmark::State& stan) {
  grafika::TPaletaWykresu paleta;
  for (auto _ : stan)
    benchmark::DoNotOptimize(grafika::RysujTabelePlanet(paleta, Wykres1, 232, 446));
}
BENCHMARK(TabelaPlanet)->Unit(benchmark::kMillisecond);

void TabelaAspektow(benchmark::State& stan) {
  grafika::TPaletaWykresu paleta;
  grafika::TPokazaneAspekty pokazane;
  long double uk = 0, uw = 0;
  for (auto _ : stan)
    benchmark::DoNotOptimize(
        grafika::RysujTabeleAspektow(paleta, Wykres1, 1042, 462, pokazane, uk, uw));
}
BENCHMARK(TabelaAspektow)->Unit(benchmark::kMillisecond);

void PlanetyWZnakach(benchmark::State& stan) {
  grafika::TPaletaWykresu paleta;
  for (auto _ : stan)
    benchmark::DoNotOptimize(grafika::RysujPlanetyWZnakach(paleta, Wykres1, 386, 170));
}
BENCHMARK(PlanetyWZnakach)->Unit(benchmark::kMillisecond);

void TabeleAspektowPorown(benchmark::State& stan) {
  grafika::TStanGrafikiPorown grafika;
  long double uk = 0, uw = 0;
  for (auto _ : stan) {
    benchmark::DoNotOptimize(grafika::RysujTabeleAspektowPorown(grafika, Porown, 706, 462, uk, uw));
    benchmark::DoNotOptimize(
        grafika::RysujTabeleAspektowUrodz(grafika, Wykres1, Wykres2, 706, 514, uk, uw));
  }
}
BENCHMARK(TabeleAspektowPorown)->Unit(benchmark::kMillisecond);

} // namespace

// The drawings measure text, so they need a GUI application with the chart
// fonts; the offscreen platform needs no display.
int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplikacja(argc, argv);
  if (!grafika::ZarejestrujCzcionki()) {
    std::fprintf(stderr, "symbol font not loaded\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
