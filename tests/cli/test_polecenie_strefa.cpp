// kosmotyp-oblicz strefa, run in-process.
#include "polecenia.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct TWynikUruchomienia {
  int Kod;
  std::string Wy, Bledy;
};

TWynikUruchomienia Strefa(std::vector<std::string> opcje) {
  opcje.insert(opcje.begin(), "strefa");
  std::istringstream we;
  std::ostringstream wy, bledy;
  const int kod = wiersz_polecen::Uruchom(opcje, we, wy, bledy);
  return {kod, wy.str(), bledy.str()};
}

TEST(PolecenieStrefa, Przypadki) {
  struct {
    std::vector<std::string> opcje;
    int kod;
    std::string wy;
    std::string wBledach; // a piece of the error message
  } przypadki[] = {
      {{"--data", "1930-06-01", "--czas", "12:00"}, 0, "60\n", ""},
      {{"--data", "2004-10-31", "--czas", "02:30"}, 0, "120\n", ""},
      {{"--data", "2004-10-31", "--czas", "03:00"}, 0, "60\n", ""},
      {{"--data", "1939-09-15", "--czas", "12:00"},
       3,
       "1 Polska\n8 Okupacja niemiecka\n9 Okupacja radziecka\n",
       "--obszar N"},
      {{"--data", "1939-09-15", "--czas", "12:00", "--obszar", "9"}, 0, "120\n", ""},
      {{"--data", "1900-05-01", "--czas", "12:00", "--obszar=4"}, 0, "84\n", ""},
      {{"--data", "1939-09-15", "--czas", "12:00", "--obszar", "4"},
       2,
       "1 Polska\n8 Okupacja niemiecka\n9 Okupacja radziecka\n",
       "nie istniał"},
      {{"--data", "1930-06-01", "--czas", "12:00", "--obszar", "1"}, 0, "60\n", ""},
      {{"--data", "1930-06-01", "--czas", "12:00", "--obszar", "8"}, 2, "", "tylko obszar 1"},
      {{"--data", "2004-03-28", "--czas", "02:30"},
       2,
       "",
       "Podana godzina nie istnieje ze względu na przesunięcie czasu do przodu."},
      {{"--data", "1890-01-01", "--czas", "12:00", "--obszar", "2"}, 4, "", "Zabór austriacki"},
      {{"--data", "1879-12-31", "--czas", "12:00"}, 4, "", "przed 1880"},
      {{"--data", "1939-09-15", "--czas", "12:00", "--obszar", "10"}, 2, "", "--obszar"},
      {{"--data", "1939-09-15"}, 2, "", "--czas"},
      {{"--data", "1939-02-30", "--czas", "12:00"}, 2, "", "--data"},
      {{"--data", "1939-09-15", "--czas", "25:00"}, 2, "", "--czas"},
  };
  for (const auto& p : przypadki) {
    std::string opis;
    for (const auto& o : p.opcje)
      opis += o + " ";
    SCOPED_TRACE(opis);
    const auto w = Strefa(p.opcje);
    EXPECT_EQ(w.Kod, p.kod) << w.Bledy;
    EXPECT_EQ(w.Wy, p.wy);
    if (p.wBledach.empty())
      EXPECT_EQ(w.Bledy, "");
    else
      EXPECT_NE(w.Bledy.find(p.wBledach), std::string::npos) << w.Bledy;
  }
}

TEST(PolecenieStrefa, PomocIListaPolecen) {
  const auto pomoc = Strefa({"--help"});
  EXPECT_EQ(pomoc.Kod, 0);
  EXPECT_NE(pomoc.Wy.find("--obszar N"), std::string::npos);
  std::istringstream we;
  std::ostringstream wy, bledy;
  EXPECT_EQ(wiersz_polecen::Uruchom({"--help"}, we, wy, bledy), 0);
  EXPECT_NE(wy.str().find("strefa"), std::string::npos);
}

} // namespace
