#include "wykres_urodz.h"

namespace wykres {

namespace {
TPozycjaWZnaku PozycjaWZnaku(double dlug, int znak) {
  if (znak < 1) // houses unknown
    return {};
  return {znak, dlug - 30.0 * (znak - 1)};
}
} // namespace

TWykresUrodz ZlozWykresUrodz(const TPozycjeCial& poz, const TAnalizaWykresu& analiza,
                             const obliczenia::TCzasZegarowy& czasGwiazdowy) {
  TWykresUrodz w;
  for (int n = 1; n <= 12; ++n) {
    w.DlugEkl[n] = poz.DlugEkl[n];
    w.PozycjaPunktu[n] = PozycjaWZnaku(poz.DlugEkl[n], analiza.ZnakPunktu[n]);
    w.Retro[n] = poz.Retro[n];
    w.DomPunktu[n] = analiza.DomPunktu[n];
  }
  for (int n = 1; n <= 14; ++n)
    w.Deklinacja[n] = poz.Deklinacja[n];
  for (int n = 1; n <= 6; ++n)
    w.Wierzcholek[n] = poz.Domy[n];
  for (int n = 1; n <= 12; ++n)
    w.PozycjaDomu[n] = PozycjaWZnaku(poz.Domy[n], analiza.ZnakDomu[n]);
  int k = 1;
  for (int s = 0; s < LiczbaSlotowAnalizy; ++s) {
    const int b = ParaSlotuAnalizy(s).B;
    if (b == 14 || b == 16)
      continue;
    w.Aspekty[k] = analiza.AspektyPar[s];
    w.Paralele[k] = analiza.ParalelePar[s];
    ++k;
  }
  w.CzasGwiazdowy =
      obliczenia::ZakodujDateCzas({1899, 12, 30}, {czasGwiazdowy.Godzina, czasGwiazdowy.Minuta});
  return w;
}

} // namespace wykres
