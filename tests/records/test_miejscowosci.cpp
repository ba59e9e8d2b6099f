// The delivered gazetteer as the first start loads it.
#include "katalog_testowy.h"
#include "miejsca.h"
#include "panstwa.h"
#include "przesuniecia.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

#include <cstdio>

namespace kartoteka {
namespace {

class Miejscowosci : public ::testing::Test {
protected:
  static inline QTemporaryDir* Tmp = nullptr;
  static inline TMagazyn* Mag = nullptr;
  static void SetUpTestSuite() {
    Tmp = new QTemporaryDir;
    Mag = testy::Otworz(Tmp->filePath("dane"), true).release();
  }
  static void TearDownTestSuite() {
    delete Mag;
    delete Tmp;
  }
  static long long Liczba(const QString& sql) {
    QSqlQuery q(Mag->Baza());
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    return q.next() ? q.value(0).toLongLong() : -1;
  }
  static std::optional<TMiejsce> Zagraniczne(const QString& panstwo, const QString& nazwa) {
    auto p = ZnajdzPanstwoWgNazwy(*Mag, panstwo);
    if (!p.Wartosc)
      return std::nullopt;
    return ZnajdzMiejsceZagraniczne(*Mag, p.Wartosc->IdPanstwa, nazwa).Wartosc;
  }
};

TEST_F(Miejscowosci, LiczbyWierszy) {
  ASSERT_TRUE(Mag);
  const long long polskie = Liczba("SELECT count(*) FROM Miejsca WHERE Rodzaj = 1");
  const long long obce = Liczba("SELECT count(*) FROM Miejsca WHERE Rodzaj = 2");
  const long long panstwa = Liczba("SELECT count(*) FROM Panstwa");
  std::printf("polskie %lld, zagraniczne %lld, państwa %lld, przesunięcia %lld\n", polskie, obce,
              panstwa, Liczba("SELECT count(*) FROM PrzesGMT"));
  EXPECT_NEAR(polskie, 3600, 3600 * 0.05);
  EXPECT_NEAR(obce, 4700, 4700 * 0.05);
  EXPECT_GE(panstwa, 249);
  EXPECT_TRUE(ZnajdzPanstwoWgNazwy(*Mag, "Kosowo").Wartosc);
  EXPECT_TRUE(ZnajdzPanstwoWgNazwy(*Mag, "niemcy").Wartosc);
}

TEST_F(Miejscowosci, ZnaneMiejscowosciPolskie) {
  ASSERT_TRUE(Mag);
  auto krakow = ZnajdzMiejscePolskie(*Mag, "Kraków").Wartosc;
  ASSERT_TRUE(krakow);
  EXPECT_EQ(krakow->Szerokosc, 3004);
  EXPECT_EQ(krakow->Dlugosc, -1196);
  for (const char* n : {"Warszawa", "Bielsko-Biała", "Jastrzębie-Zdrój", "Łódź", "Lwów", "Wilno",
                        "Grodno", "Osiek (małopolskie, 49°57' N)"})
    EXPECT_TRUE(ZnajdzMiejscePolskie(*Mag, n).Wartosc) << n;
  for (const char* n : {"Warsaw", "Bielsko-Biala", "Jastrzębie Zdrój", "Osiek"})
    EXPECT_FALSE(ZnajdzMiejscePolskie(*Mag, n).Wartosc) << n;
  // Every Polish place lies within the Polish-place editor's box and has no offsets.
  EXPECT_EQ(Liczba("SELECT count(*) FROM Miejsca WHERE Rodzaj = 1 AND NOT ("
                   "Szerokosc BETWEEN 47 * 60 AND 56 * 60 + 59 AND "
                   "-Dlugosc BETWEEN 14 * 60 AND 27 * 60 + 59 AND IdPanstwa IS NULL)"),
            0);
  EXPECT_EQ(Liczba("SELECT count(*) FROM PrzesGMT p JOIN Miejsca m USING (IdMiejsca) "
                   "WHERE m.Rodzaj = 1"),
            0);
}

TEST_F(Miejscowosci, ZnaneMiejscowosciZagraniczneIIchPrzesuniecia) {
  ASSERT_TRUE(Mag);
  struct TPrzypadek {
    const char* Panstwo;
    const char* Nazwa;
    std::vector<int> Musi; // offsets that must be among the place's
  };
  const TPrzypadek przypadki[] = {
      {"Niemcy", "Berlin", {60, 120, 180}},
      {"Stany Zjednoczone", "Nowy Jork", {-300, -240}},
      {"Rosja", "Moskwa", {180}},
      {"Austria", "Wiedeń", {60, 120}},
      {"Wielka Brytania", "Londyn", {0, 60}},
      {"Włochy", "Rzym", {60, 120}},
      {"Francja", "Paryż", {0, 60, 120}},
      {"Indie", "Nowe Delhi", {330}},
  };
  for (const auto& p : przypadki) {
    auto m = Zagraniczne(p.Panstwo, p.Nazwa);
    ASSERT_TRUE(m) << p.Nazwa;
    const auto przes = PrzesunieciaMiejsca(*Mag, m->IdMiejsca).Wartosc;
    for (int v : p.Musi)
      EXPECT_NE(std::find(przes.begin(), przes.end(), v), przes.end()) << p.Nazwa << " " << v;
  }
  auto berlin = Zagraniczne("Niemcy", "Berlin");
  EXPECT_EQ(PrzesunieciaMiejsca(*Mag, berlin->IdMiejsca).Wartosc, (std::vector<int>{60, 120, 180}));
  auto nowyJork = Zagraniczne("Stany Zjednoczone", "Nowy Jork");
  EXPECT_EQ(PrzesunieciaMiejsca(*Mag, nowyJork->IdMiejsca).Wartosc, (std::vector<int>{-300, -240}));
  EXPECT_EQ(Liczba("SELECT count(*) FROM PrzesGMT WHERE Przesuniecie NOT BETWEEN -720 AND 780 "
                   "OR Przesuniecie <> round(Przesuniecie)"),
            0);
  // Every foreign place has a country and at least one offset.
  EXPECT_EQ(Liczba("SELECT count(*) FROM Miejsca m WHERE Rodzaj = 2 AND (IdPanstwa IS NULL OR "
                   "NOT EXISTS (SELECT 1 FROM PrzesGMT p WHERE p.IdMiejsca = m.IdMiejsca))"),
            0);
  EXPECT_EQ(Liczba("SELECT count(*) FROM Miejsca m JOIN Panstwa p USING (IdPanstwa) "
                   "WHERE p.Nazwa = 'Polska'"),
            0);
}

TEST_F(Miejscowosci, NazwyNieSiePowtarzajaINieSaZaDlugie) {
  ASSERT_TRUE(Mag);
  EXPECT_EQ(Liczba("SELECT count(*) FROM (SELECT Nazwa FROM Miejsca WHERE Rodzaj = 1 "
                   "GROUP BY Nazwa HAVING count(*) > 1)"),
            0);
  EXPECT_EQ(Liczba("SELECT count(*) FROM (SELECT 1 FROM Miejsca WHERE Rodzaj = 2 "
                   "GROUP BY IdPanstwa, Nazwa HAVING count(*) > 1)"),
            0);
  // The place editors take at most 50 characters.
  EXPECT_EQ(Liczba("SELECT count(*) FROM Miejsca WHERE length(Nazwa) > 50"), 0);
  EXPECT_EQ(Liczba("SELECT count(*) FROM Miejsca WHERE Nazwa <> trim(Nazwa) OR Nazwa = ''"), 0);
}

} // namespace
} // namespace kartoteka
