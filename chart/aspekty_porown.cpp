#include "wykres_porown.h"

namespace wykres {

namespace {
int IndeksPunktuPorown(int punkt) {
  for (int i = 0; i < 12; ++i)
    if (PunktyPorown[i] == punkt)
      return i;
  return -1;
}
} // namespace

int SlotPorown(int a, int b) {
  const int ia = IndeksPunktuPorown(a), ib = IndeksPunktuPorown(b);
  if (ia < 0 || ib < 0)
    return 0;
  return ia * 12 + ib + 1;
}

TTablicaAspektowPorown ObliczAspektyPorown(const TStanOrbow& orby, const TMomentUrodz& moment1,
                                           const TPozycjeCial& p1, const TMomentUrodz& moment2,
                                           const TPozycjeCial& p2) {
  TTablicaAspektowPorown t{};
  const int ostatni1 = moment1.CzasNieznany ? 12 : 16;
  const int ostatni2 = moment2.CzasNieznany ? 12 : 16;
  const TOknaAspektow okna = OknaAspektow(orby);
  for (int a = 1; a <= ostatni1; ++a)
    for (int b = 1; b <= ostatni2; ++b)
      t[a][b] = SzukajAspektu(okna, OdlegloscKatowa(p1.DlugEkl[a], p2.DlugEkl[b]),
                              OdlegloscKatowa(p1.DlugEklPozniej[a], p2.DlugEklPozniej[b]));
  return t;
}

TTablicaOd1<TAspekt, LiczbaSlotowPorown> WybierzAspektyPorown(const TTablicaAspektowPorown& t) {
  TTablicaOd1<TAspekt, LiczbaSlotowPorown> wynik;
  int k = 1;
  for (int a : PunktyPorown)
    for (int b : PunktyPorown) {
      TAspekt aspekt = t[a][b];
      // The kind goes; deviation and applying flag stay as found.
      if (aspekt.Rodzaj != BrakAspektu && aspekt.Odchylenie > OrbGranicznyPorown)
        aspekt.Rodzaj = BrakAspektu;
      wynik[k++] = aspekt;
    }
  return wynik;
}

} // namespace wykres
