// The generated coefficient tables against the CSV files they come from.
#include "tablice_szeregow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace obliczenia;

namespace {

std::vector<std::vector<std::string>> CzytajCsv(const std::string& nazwa) {
  std::ifstream plik(std::string(KOSMOTYP_DANE_SZEREGOW) + "/" + nazwa);
  EXPECT_TRUE(plik.good()) << nazwa;
  std::vector<std::vector<std::string>> wiersze;
  std::string linia;
  std::getline(plik, linia); // header
  while (std::getline(plik, linia)) {
    if (linia.empty()) {
      continue;
    }
    std::vector<std::string> pola;
    std::stringstream strumien(linia);
    std::string pole;
    while (std::getline(strumien, pole, ',')) {
      pola.push_back(pole);
    }
    wiersze.push_back(pola);
  }
  return wiersze;
}

} // namespace

TEST(TabliceSzeregow, LiczbaWierszyWGrupach) {
  struct {
    const char* Seria;
    const char* Grupa;
    std::size_t Wiersze;
  } const oczekiwane[] = {
      {"Sun", "Venus", 23},       {"Sun", "Mars", 13},
      {"Sun", "Jupiter", 12},     {"Sun", "Saturn", 4},
      {"Mercury", "Venus", 36},   {"Mercury", "Earth", 7},
      {"Mercury", "Jupiter", 10}, {"Mercury", "Saturn", 1},
      {"Venus", "Mercury", 4},    {"Venus", "Earth", 27},
      {"Venus", "Mars", 3},       {"Venus", "Jupiter", 6},
      {"Venus", "Saturn", 2},     {"Mars", "Venus", 12},
      {"Mars", "Earth", 53},      {"Mars", "Jupiter", 29},
      {"Mars", "Saturn", 12},     {"Jupiter", "Saturn", 48},
      {"Jupiter", "Uranus", 2},   {"Saturn", "Jupiter", 54},
      {"Saturn", "Uranus", 14},   {"Saturn", "Neptune", 3},
      {"Uranus", "Jupiter", 7},   {"Uranus", "Saturn", 19},
      {"Uranus", "Neptune", 35},  {"Uranus", "JupiterSaturn", 9},
      {"Neptune", "Jupiter", 5},  {"Neptune", "Saturn", 6},
      {"Neptune", "Uranus", 24},  {"Pluto", "Jupiter", 18},
      {"Pluto", "Saturn", 8},
  };
  ASSERT_EQ(std::size(GrupySzeregow), std::size(oczekiwane));
  for (std::size_t g = 0; g < std::size(oczekiwane); ++g) {
    EXPECT_STREQ(GrupySzeregow[g].Seria, oczekiwane[g].Seria);
    EXPECT_STREQ(GrupySzeregow[g].Grupa, oczekiwane[g].Grupa);
    EXPECT_EQ(GrupySzeregow[g].Wiersze.size(), oczekiwane[g].Wiersze)
        << oczekiwane[g].Seria << "/" << oczekiwane[g].Grupa;
  }
  EXPECT_EQ(std::size(WierszeKsiezycaGrupa1), 35u);
  EXPECT_EQ(std::size(WierszeKsiezycaGrupa2), 46u);
  EXPECT_EQ(std::size(WierszeKsiezycaGrupa3), 23u);
  EXPECT_EQ(std::size(WierszeSzerokosciKsiezyca), 10u);
}

TEST(TabliceSzeregow, PlanetyRownePlikowi) {
  const auto csv = CzytajCsv("planets.csv");
  std::size_t n = 0;
  for (const TGrupaSzeregu& g : GrupySzeregow) {
    for (const TWierszPlanety& w : g.Wiersze) {
      ASSERT_LT(n, csv.size());
      const auto& p = csv[n++];
      ASSERT_EQ(p.size(), 11u);
      EXPECT_EQ(p[0], g.Seria);
      EXPECT_EQ(p[1], g.Grupa);
      EXPECT_EQ(std::stoi(p[2]), w.i1) << "row " << n;
      EXPECT_EQ(std::stoi(p[3]), w.i) << "row " << n;
      EXPECT_EQ(std::stoi(p[4]), w.it) << "row " << n;
      const double liczby[] = {w.dlc, w.dls, w.drc, w.drs, w.dbc, w.dbs};
      for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(std::stod(p[5 + k]), liczby[k]) << "row " << n << " column " << 5 + k;
      }
    }
  }
  EXPECT_EQ(n, csv.size());
}

TEST(TabliceSzeregow, KsiezycRownyPlikom) {
  const auto csv = CzytajCsv("moon.csv");
  std::size_t n = 0;
  const std::span<const TWierszKsiezyca> grupy[] = {WierszeKsiezycaGrupa1, WierszeKsiezycaGrupa2,
                                                    WierszeKsiezycaGrupa3};
  for (int g = 0; g < 3; ++g) {
    for (const TWierszKsiezyca& w : grupy[g]) {
      ASSERT_LT(n, csv.size());
      const auto& p = csv[n++];
      EXPECT_EQ(std::stoi(p[0]), g + 1);
      const int calk[] = {w.p, w.q, w.r, w.s};
      const double rz[] = {w.cl, w.cs, w.cg, w.cp};
      for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(std::stoi(p[1 + k]), calk[k]) << "row " << n;
        EXPECT_EQ(std::stod(p[5 + k]), rz[k]) << "row " << n;
      }
    }
  }
  EXPECT_EQ(n, csv.size());

  const auto szer = CzytajCsv("moon_latitude.csv");
  ASSERT_EQ(szer.size(), std::size(WierszeSzerokosciKsiezyca));
  for (std::size_t k = 0; k < szer.size(); ++k) {
    const auto& w = WierszeSzerokosciKsiezyca[k];
    EXPECT_EQ(std::stod(szer[k][0]), w.cn);
    EXPECT_EQ(std::stoi(szer[k][1]), w.p);
    EXPECT_EQ(std::stoi(szer[k][2]), w.q);
    EXPECT_EQ(std::stoi(szer[k][3]), w.r);
    EXPECT_EQ(std::stoi(szer[k][4]), w.s);
  }
}

// A few rows as published, independent of the CSV parsing above.
TEST(TabliceSzeregow, WierszeWzorcowe) {
  struct {
    const TWierszPlanety& Wiersz;
    TWierszPlanety Wzor;
  } const przypadki[] = {
      {WierszeSlonceWenus[0], {1, 0, 0, -0.22, 6892.76, -16707.37, -0.54, 0, 0}},
      {WierszeSlonceWenus[22], {7, -5, 0, -0.12, -0.03, -0.08, 0.31, -0.02, -0.01}},
      {WierszeSlonceJowisz[0], {-1, -1, 0, 0.01, 0.07, 0.18, -0.02, 0, -0.02}},
      {WierszeMerkuryWenus[0], {1, 0, 0, 259.74, 84547.39, -78342.34, 0.01, 11683.22, 21203.79}},
      {WierszeMarsZiemia[50], {15, -8, 0, -1.53, 0.27, 0.06, 0.42, 0, 0}},
      {WierszeSaturnJowisz[2], {1, 1, 0, 0.9, 0.4, -1.8, 1.9, 0.2, 0.2}},
      {WierszeUranNeptun[3], {1, 0, 3, 0, -0.5, 2.4, 0, 0, 0}},
      {WierszeUranJowiszSaturn[0], {-2, -4, 0, -0.7, 0.4, -1.5, -2.5, 0, 0}},
      {WierszeNeptunUran[0], {1, 0, 0, 32.3, 3549.5, -25880.2, 235.8, -6360.5, 374.0}},
      {WierszeNeptunUran[7], {1, 0, 0, 0, 0, 5.5, -6.9, 0.1, 0}},
      {WierszePlutonJowisz[0], {1, 0, 0, 0.06, 100924.08, -960396.0, 15965.1, 51987.68, -24288.76}},
      {WierszePlutonSaturn[0], {1, -1, 0, -29.47, 75.97, -106.4, -204.9, -40.71, -17.55}},
  };
  for (const auto& p : przypadki) {
    const auto& a = p.Wiersz;
    const auto& b = p.Wzor;
    EXPECT_EQ(a.i1, b.i1);
    EXPECT_EQ(a.i, b.i);
    EXPECT_EQ(a.it, b.it);
    EXPECT_EQ(a.dlc, b.dlc);
    EXPECT_EQ(a.dls, b.dls);
    EXPECT_EQ(a.drc, b.drc);
    EXPECT_EQ(a.drs, b.drs);
    EXPECT_EQ(a.dbc, b.dbc);
    EXPECT_EQ(a.dbs, b.dbs) << a.i1 << "," << a.i << "," << a.it;
  }
  // Pluto's rows carry no power of T.
  for (const auto& w : WierszePlutonJowisz) {
    EXPECT_EQ(w.it, 0);
  }
  for (const auto& w : WierszePlutonSaturn) {
    EXPECT_EQ(w.it, 0);
  }
  EXPECT_EQ(WierszeKsiezycaGrupa1[2].s, 2);
  EXPECT_EQ(WierszeKsiezycaGrupa1[2].cl, 2369.912);
  EXPECT_EQ(WierszeSzerokosciKsiezyca[0].cn, -526.069);
  EXPECT_EQ(WierszeSzerokosciKsiezyca[9].cn, 10.985);
}
