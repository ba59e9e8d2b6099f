#include "domy.h"
#include "pozycje.h"
#include "wykres_urodz.h"

#include <cmath>

namespace wykres {

namespace {
bool CzySkonczone(const TPozycjeCial& p) {
  for (int n = 1; n <= 16; ++n)
    for (double x :
         {p.DlugEkl[n], p.DlugEklPozniej[n], p.SzerEkl[n], p.Deklinacja[n], p.DeklinacjaPozniej[n]})
      if (!std::isfinite(x))
        return false;
  for (int h = 1; h <= 12; ++h)
    if (!std::isfinite(p.Domy[h]) || !std::isfinite(p.DomyPozniej[h]))
      return false;
  return true;
}
} // namespace

TWynik<TPozycjeCial> ObliczPozycjeCial(const TMomentUrodz& moment) {
  TPozycjeCial p;
  // The houses come first: the positions step derives the declinations of the
  // four angles from their longitudes.
  if (const auto blad = obliczenia::ObliczDomy(moment, p, 'P'))
    return Porazka<TPozycjeCial>(obliczenia::OpisBleduDomow(*blad));
  obliczenia::ObliczPozycje(moment, p);
  // A chart with a NaN in it would be drawn as garbage: refuse it instead.
  if (!CzySkonczone(p))
    return Porazka<TPozycjeCial>("Nie udało się obliczyć wykresu dla tych danych.");
  return Sukces(p);
}

} // namespace wykres
