#include "data_czas.h"

#include <gtest/gtest.h>

using namespace obliczenia;

TEST(DataCzas, ZnaneDniOdEpoki) {
  struct {
    TDataKalendarzowa data;
    std::int64_t dni;
  } przypadki[] = {
      {{1899, 12, 30}, 0},  {{1899, 12, 29}, -1},   {{1900, 1, 1}, 2},
      {{1900, 3, 1}, 61},   {{2000, 1, 1}, 36526},  {{1582, 10, 15}, -115858},
      {{1000, 1, 1}, -328716}, {{3000, 12, 31}, 402133},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(DniOdEpoki(p.data), p.dni) << p.data.Rok << "-" << p.data.Miesiac;
    EXPECT_EQ(DataZDni(p.dni), p.data) << p.dni;
  }
}

TEST(DataCzas, RokPrzestepnyGregorianski) {
  EXPECT_FALSE(CzyRokPrzestepny(1900));
  EXPECT_TRUE(CzyRokPrzestepny(2000));
  EXPECT_TRUE(CzyRokPrzestepny(2024));
  EXPECT_FALSE(CzyPoprawnaData(1900, 2, 29));
  EXPECT_TRUE(CzyPoprawnaData(2000, 2, 29));
  EXPECT_FALSE(CzyPoprawnaData(2023, 4, 31));
}

TEST(DataCzas, PrzedEpokaUlamekLiczyOdPolnocy) {
  const auto dc = ZakodujDateCzas({1899, 12, 29}, {6, 0});
  EXPECT_DOUBLE_EQ(dc.Wartosc, -1.25);
  EXPECT_EQ(RozkodujDate(dc), (TDataKalendarzowa{1899, 12, 29}));
  EXPECT_EQ(RozkodujCzas(dc), (TCzasZegarowy{6, 0, 0, 0}));
}

TEST(DataCzas, ObiegTamIZPowrotemCoMinuteWieluDat) {
  for (std::int64_t dni = -328716; dni <= 402133; dni += 997) {
    for (int minuty : {0, 1, 59, 720, 1439}) {
      const auto data = DataZDni(dni);
      const TCzasZegarowy czas{minuty / 60, minuty % 60};
      const auto dc = ZakodujDateCzas(data, czas);
      ASSERT_EQ(RozkodujDate(dc), data) << dni;
      ASSERT_EQ(RozkodujCzas(dc), czas) << dni << " " << minuty;
    }
  }
}

TEST(DataCzas, MilisekundyIDzienTygodnia) {
  const auto a = ZakodujDateCzas({2004, 3, 28}, {2, 30});
  EXPECT_EQ(DataCzasZMilisekund(MilisekundyOdEpoki(a)), a);
  EXPECT_EQ(MilisekundyOdEpoki(ZakodujDateCzas({1899, 12, 30}, {0, 0, 0, 1})), 1);
  EXPECT_EQ(DzienTygodnia({2026, 12, 11}), 5); // a Friday
  EXPECT_EQ(DzienTygodnia({1900, 1, 1}), 1);   // a Monday
}
