#include "analiza_wykresu.h"

#include <cmath>

namespace wykres {

int ZnakDlugosci(double dlug) {
  if (!(dlug >= 0.0)) // also NaN
    return 1;
  const double znak = std::trunc(dlug / 30.0) + 1.0;
  return znak > 12.0 ? 12 : static_cast<int>(znak);
}

namespace {

// Points 1..12 into houses. A point on a cusp belongs to the house that
// begins there; a house whose end cusp is smaller than its start crosses
// 0° Aries.
void WyznaczDomy(const TPozycjeCial& poz, TAnalizaWykresu& w) {
  for (int h = 1; h <= 12; ++h) {
    const int nastepny = h == 12 ? 1 : h + 1;
    const double od = poz.Domy[h];
    const double dod = poz.Domy[nastepny];
    for (int p = 1; p <= 12; ++p) {
      const double l = poz.DlugEkl[p];
      const bool w_domu = dod - od > 0.0 ? (od <= l && l < dod) : (od <= l || l < dod);
      if (w_domu)
        w.DomPunktu[p] = static_cast<std::uint8_t>(h);
    }
  }
}

float OdlegloscF(float a, float b) {
  float c = std::fabs(a - b);
  return c > 180.0f ? 360.0f - c : c;
}

} // namespace

TAnalizaWykresu AnalizujWykres(const TStanOrbow& orby, const TMomentUrodz& moment,
                               const TPozycjeCial& poz) {
  TAnalizaWykresu w{};
  for (int n = 1; n <= 16; ++n)
    w.ZnakPunktu[n] = static_cast<std::uint8_t>(ZnakDlugosci(poz.DlugEkl[n]));
  if (!moment.CzasNieznany) {
    for (int n = 1; n <= 12; ++n)
      w.ZnakDomu[n] = static_cast<std::uint8_t>(ZnakDlugosci(poz.Domy[n]));
    WyznaczDomy(poz, w);
  }

  // The pair scan works on single-precision copies, as the chart tables show them.
  float dl[17], dlp[17], de[17], dep[17];
  for (int n = 1; n <= 16; ++n) {
    dl[n] = static_cast<float>(poz.DlugEkl[n]);
    dlp[n] = static_cast<float>(poz.DlugEklPozniej[n]);
    de[n] = static_cast<float>(poz.Deklinacja[n]);
    dep[n] = static_cast<float>(poz.DeklinacjaPozniej[n]);
  }
  const int ostatni = moment.CzasNieznany ? 12 : 16;
  const TOknaAspektow okna = OknaAspektow(orby);
  const double orbDeklinacji = orby.TablicaOrbow[OrbDeklinacji];
  int slot = 0;
  for (int a = 1; a <= 12; ++a) {
    for (int b = a + 1; b <= 16; ++b, ++slot) {
      if (b > ostatni)
        continue;
      w.AspektyPar[slot] =
          SzukajAspektu(okna, OdlegloscF(dl[a], dl[b]), OdlegloscF(dlp[a], dlp[b]));
      const float p = std::fabs(std::fabs(de[a]) - std::fabs(de[b]));
      if (p <= orbDeklinacji) {
        const float pp = std::fabs(std::fabs(dep[a]) - std::fabs(dep[b]));
        const bool taStrona = (de[a] >= 0 && de[b] >= 0) || (de[a] <= 0 && de[b] <= 0);
        w.ParalelePar[slot] = {taStrona ? Paralela : KontraParalela, p, p > pp};
      }
    }
  }
  // The nodes are always exactly opposite: that is no aspect.
  const int wezly = SlotAnalizy(11, 12);
  w.AspektyPar[wezly] = {};
  w.ParalelePar[wezly] = {};
  return w;
}

} // namespace wykres
