#include "domy.h"
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
  // TODO(wykres): the positions step of the engine is not on main yet.
  if (!CzySkonczone(p))
    return Porazka<TPozycjeCial>("Nie udało się obliczyć wykresu dla tych danych.");
  return Porazka<TPozycjeCial>("Obliczanie pozycji ciał nie jest jeszcze dostępne w tej wersji.");
}

} // namespace wykres
