// kosmotyp-oblicz urodz/porown --rysunki: every drawing written at its pixel size.
#include "polecenia.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <sstream>

#include <gtest/gtest.h>

namespace {

struct TWynikUruchomienia {
  int Kod;
  std::string Wyjscie, Bledy;
};

TWynikUruchomienia Uruchom(std::vector<std::string> argumenty) {
  std::istringstream we;
  std::ostringstream wy, bl;
  const int kod = wiersz_polecen::Uruchom(argumenty, we, wy, bl);
  return {kod, wy.str(), bl.str()};
}

const std::vector<std::string> Osoba1 = {"--data", "1980-05-17", "--czas", "14:25",  "--przes",
                                         "120",    "--dlug",     "-1257",  "--szer", "3014"};

std::vector<std::string> Argumenty(std::string polecenie, std::vector<std::string> reszta) {
  std::vector<std::string> a{std::move(polecenie)};
  a.insert(a.end(), reszta.begin(), reszta.end());
  return a;
}

void SprawdzRozmiary(const QString& katalog,
                     const std::vector<std::pair<const char*, QSize>>& pliki) {
  for (const auto& [nazwa, rozmiar] : pliki) {
    EXPECT_EQ(QImage(QDir(katalog).filePath(QString::fromLatin1(nazwa) + ".png")).size(), rozmiar)
        << nazwa;
    EXPECT_TRUE(QFile::exists(QDir(katalog).filePath(QString::fromLatin1(nazwa) + ".svg")))
        << nazwa;
  }
}

} // namespace

TEST(RysunkiCli, UrodzPiszeSzescRysunkow) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  auto a = Argumenty("urodz", Osoba1);
  a.insert(a.end(), {"--rysunki", tmp.path().toStdString(), "--druk", "czb"});
  const auto w = Uruchom(a);
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  EXPECT_FALSE(w.Wyjscie.empty()); // the JSON still comes
  SprawdzRozmiary(tmp.path(), {{"kolo", {500, 500}},
                               {"aspekty", {521, 231}},
                               {"domy", {89, 195}},
                               {"planety", {116, 223}},
                               {"planety_w_domach", {193, 85}},
                               {"planety_w_znakach", {193, 85}}});
  // Black-and-white print: no coloured pixel in the wheel.
  const QImage kolo(tmp.filePath("kolo.png"));
  int kolorowe = 0;
  for (int y = 0; y < kolo.height(); ++y)
    for (int x = 0; x < kolo.width(); ++x) {
      const QColor k = kolo.pixelColor(x, y);
      if (std::max({k.red(), k.green(), k.blue()}) - std::min({k.red(), k.green(), k.blue()}) > 8)
        ++kolorowe;
    }
  EXPECT_EQ(kolorowe, 0);
}

TEST(RysunkiCli, PorownPiszeDwanascieRysunkow) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const std::vector<std::string> a = {"porown",
                                      "--osoba1",
                                      "1980-05-17;14:25;120;-1257;3014",
                                      "--osoba2",
                                      "1975-11-02;08:10;60;-1197;3004",
                                      "--rysunki",
                                      tmp.path().toStdString()};
  const auto w = Uruchom(a);
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  SprawdzRozmiary(tmp.path(), {{"kolo", {500, 500}},
                               {"aspekty_porown", {353, 231}},
                               {"aspekty_urodz", {353, 257}},
                               {"suma_aspektow", {73, 125}},
                               {"planety1", {116, 223}},
                               {"planety2", {116, 223}},
                               {"domy1", {89, 105}},
                               {"domy2", {89, 105}},
                               {"pwz1", {193, 85}},
                               {"pwz2", {193, 85}},
                               {"pwd1", {193, 85}},
                               {"pwd2", {193, 85}}});
}

TEST(RysunkiCli, BlednyDrukToBladDanych) {
  QTemporaryDir tmp;
  auto a = Argumenty("urodz", Osoba1);
  a.insert(a.end(), {"--rysunki", tmp.path().toStdString(), "--druk", "sepia"});
  const auto w = Uruchom(a);
  EXPECT_EQ(w.Kod, 2);
  EXPECT_NE(w.Bledy.find("--druk"), std::string::npos) << w.Bledy;
  EXPECT_FALSE(QFile::exists(tmp.filePath("kolo.png")));
}
