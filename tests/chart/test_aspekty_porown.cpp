#include "wykres_porown.h"

#include <gtest/gtest.h>

#include <random>

using namespace wykres;

namespace {

TPozycjeCial PozycjeLosowe(unsigned ziarno) {
  std::mt19937 gen(ziarno);
  std::uniform_real_distribution<double> kat(0.0, 360.0), ruch(-1.0, 1.0);
  TPozycjeCial p;
  for (int n = 1; n <= 16; ++n) {
    p.DlugEkl[n] = kat(gen);
    p.DlugEklPozniej[n] = p.DlugEkl[n] + ruch(gen);
  }
  return p;
}

TMomentUrodz Moment(bool czasNieznany) {
  TMomentUrodz m;
  m.CzasNieznany = czasNieznany;
  return m;
}

// Person 1's Sun against person 2's chosen point at a chosen distance.
TAspekt AspektSloncaZ(int punkt2, double dlug2) {
  TPozycjeCial p1 = PozycjeLosowe(1), p2 = PozycjeLosowe(2);
  p1.DlugEkl[1] = p1.DlugEklPozniej[1] = 10.0;
  p2.DlugEkl[punkt2] = p2.DlugEklPozniej[punkt2] = dlug2;
  const auto sloty = WybierzAspektyPorown(
      ObliczAspektyPorown(OrbyDomyslne(), Moment(false), p1, Moment(false), p2));
  return sloty[SlotPorown(1, punkt2)];
}

} // namespace

TEST(AspektyPorown, PorzadekSlotow) {
  EXPECT_EQ(SlotPorown(1, 1), 1);
  EXPECT_EQ(SlotPorown(1, 2), 2);
  EXPECT_EQ(SlotPorown(1, 13), 11);
  EXPECT_EQ(SlotPorown(1, 15), 12);
  EXPECT_EQ(SlotPorown(2, 1), 13);
  EXPECT_EQ(SlotPorown(15, 15), 144);
  EXPECT_EQ(SlotPorown(11, 1), 0);
  EXPECT_EQ(SlotPorown(1, 16), 0);
}

TEST(AspektyPorown, GranicaOrbuCzteryStopnie) {
  struct {
    int punkt2;
    double dlug2;
    int rodzaj;
    double odchylenie;
  } przypadki[] = {
      {2, 186.0, 15, 4.0}, // opposition 176°: kept
      {2, 185.5, -1, 4.5}, // 175.5°: dropped, the deviation stays
      {2, 186.5, 15, 3.5}, // 176.5° is nearer to exact: kept
      {3, 74.5, -1, 4.5},  // sextile at 64.5°
      {4, 126.0, 11, 4.0}, // trine at 116°
      {5, 103.0, 9, 3.0},  // square within 4°
      {13, 15.0, -1, 5.0}, // conjunction with the Ascendant beyond 4°
      {15, 29.5, 1, 1.5},  // two-degree kinds are unaffected
      {6, 57.5, -1, 0.0},  // 47.5°: between the semi-square and the septile
  };
  for (const auto& p : przypadki) {
    const TAspekt a = AspektSloncaZ(p.punkt2, p.dlug2);
    EXPECT_EQ(a.Rodzaj, p.rodzaj) << p.punkt2 << " " << p.dlug2;
    EXPECT_NEAR(a.Odchylenie, p.odchylenie, 1e-12) << p.punkt2 << " " << p.dlug2;
  }
}

TEST(AspektyPorown, PorownanieZSamymSoba) {
  const TPozycjeCial p = PozycjeLosowe(7);
  const auto sloty =
      WybierzAspektyPorown(ObliczAspektyPorown(OrbyDomyslne(), Moment(false), p, Moment(false), p));
  for (int a : PunktyPorown) {
    const TAspekt s = sloty[SlotPorown(a, a)];
    EXPECT_EQ(s.Rodzaj, 0) << a;
    EXPECT_EQ(s.Odchylenie, 0.0) << a;
    EXPECT_FALSE(s.Zbliza) << a;
  }
}

TEST(AspektyPorown, NieznanyCzasOsoby2) {
  const TPozycjeCial p1 = PozycjeLosowe(3);
  TPozycjeCial p2 = PozycjeLosowe(4);
  p2.DlugEkl[13] = p1.DlugEkl[1]; // would be a conjunction
  const auto sloty = WybierzAspektyPorown(
      ObliczAspektyPorown(OrbyDomyslne(), Moment(false), p1, Moment(true), p2));
  int wypelnione = 0;
  for (int a : PunktyPorown) {
    EXPECT_EQ(sloty[SlotPorown(a, 13)], TAspekt{}) << a;
    EXPECT_EQ(sloty[SlotPorown(a, 15)], TAspekt{}) << a;
  }
  for (int a : {13, 15})
    for (int b = 1; b <= 10; ++b)
      wypelnione += sloty[SlotPorown(a, b)].Rodzaj != -1;
  EXPECT_GT(wypelnione, 0) << "person 1's angles still meet person 2's planets";
}

TEST(AspektyPorown, ZamianaOsobTransponuje) {
  for (unsigned ziarno = 10; ziarno < 20; ++ziarno) {
    const TPozycjeCial p1 = PozycjeLosowe(ziarno), p2 = PozycjeLosowe(ziarno + 100);
    const bool nieznany2 = ziarno % 3 == 0;
    const auto t12 = WybierzAspektyPorown(
        ObliczAspektyPorown(OrbyDomyslne(), Moment(false), p1, Moment(nieznany2), p2));
    const auto t21 = WybierzAspektyPorown(
        ObliczAspektyPorown(OrbyDomyslne(), Moment(nieznany2), p2, Moment(false), p1));
    for (int a : PunktyPorown)
      for (int b : PunktyPorown)
        EXPECT_EQ(t12[SlotPorown(a, b)], t21[SlotPorown(b, a)]) << ziarno << " " << a << " " << b;
  }
}
