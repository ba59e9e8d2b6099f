#include "wykres_testowy.h"

#include <cmath>

wykres::TPozycjaWZnaku PozycjaZ(double dlugosc) {
  const double l = std::fmod(std::fmod(dlugosc, 360.0) + 360.0, 360.0);
  const int znak = static_cast<int>(l / 30.0) + 1;
  return {znak, l - 30.0 * (znak - 1)};
}

wykres::TWykresUrodz WykresTestowy(const std::array<double, 12>& dlugosci, double ascendent) {
  wykres::TWykresUrodz w;
  for (int p = 1; p <= 12; ++p) {
    w.DlugEkl[p] = dlugosci[static_cast<std::size_t>(p - 1)];
    w.PozycjaPunktu[p] = PozycjaZ(w.DlugEkl[p]);
  }
  for (int j = 1; j <= 6; ++j)
    w.Wierzcholek[j] = std::fmod(ascendent + 30.0 * (j - 1), 360.0);
  for (int h = 1; h <= 12; ++h)
    w.PozycjaDomu[h] = PozycjaZ(ascendent + 30.0 * (h - 1));
  for (int p = 1; p <= 12; ++p) {
    const double od = std::fmod(w.DlugEkl[p] - ascendent + 720.0, 360.0);
    w.DomPunktu[p] = static_cast<int>(od / 30.0) + 1;
  }
  return w;
}

wykres::TWykresUrodz WykresPrzykladowy() {
  wykres::TWykresUrodz w = WykresTestowy(
      {15.5, 100.2, 40.0, 70.3, 200.7, 250.1, 300.9, 330.2, 5.5, 170.4, 120.0, 300.0}, 12.0);
  w.Retro[5] = true;
  w.Retro[9] = true;
  const auto ustaw = [&](int a, int b, int rodzaj, double orb, bool zbliza) {
    w.Aspekty[wykres::SlotWykresu(a, b)] = {rodzaj, orb, zbliza};
  };
  ustaw(1, 9, 0, 1.2, true);   // conjunction
  ustaw(1, 13, 0, 3.5, false); // conjunction with the Ascendant
  ustaw(2, 11, 0, 0.6, false); // conjunction
  ustaw(3, 4, 2, 0.3, false);  // semi-sextile
  ustaw(1, 3, 7, 2.5, true);   // sextile
  ustaw(2, 5, 11, 0.8, false); // trine
  ustaw(4, 6, 9, 1.5, true);   // square
  ustaw(5, 6, 15, 2.0, false); // opposition
  ustaw(6, 7, 14, 0.1, false); // quincunx
  ustaw(7, 8, 1, 0.2, false);  // vigintile: never shown
  return w;
}
