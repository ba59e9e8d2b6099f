// Option parsing and birth-data checks of kosmotyp-oblicz, run in-process.
#include "dane_urodz.h"
#include "polecenia.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace wiersz_polecen;

namespace {

struct TWynikUruchomienia {
  int Kod;
  std::string Wy, Bledy;
};

TWynikUruchomienia Uruchom(std::vector<std::string> argumenty, const std::string& wejscie = "") {
  std::istringstream we(wejscie);
  std::ostringstream wy, bledy;
  const int kod = wiersz_polecen::Uruchom(argumenty, we, wy, bledy);
  return {kod, wy.str(), bledy.str()};
}

std::vector<std::string> Urodz(std::vector<std::string> zmiany) {
  std::vector<std::string> a = {"urodz", "--data", "1980-05-17", "--czas", "14:25", "--przes",
                                "120",   "--dlug", "-1257",      "--szer", "3014"};
  a.insert(a.end(), zmiany.begin(), zmiany.end());
  return a;
}

} // namespace

TEST(DaneUrodz, PoprawneDane) {
  TPolaUrodz pola{"1980-05-17", "14:25", "120", "-1257", "+3014", "Jan Żółć", "Kraków"};
  const auto d = ParsujDaneUrodz(pola);
  ASSERT_TRUE(d) << d.Blad.Komunikat;
  EXPECT_EQ(obliczenia::RozkodujDate(d->DataCzas), (obliczenia::TDataKalendarzowa{1980, 5, 17}));
  const auto c = obliczenia::RozkodujCzas(d->DataCzas);
  EXPECT_EQ(c.Godzina, 14);
  EXPECT_EQ(c.Minuta, 25);
  EXPECT_FALSE(d->CzasNieznany);
  EXPECT_EQ(d->PrzesGMT, 120);
  EXPECT_EQ(d->Dlug, -1257);
  EXPECT_EQ(d->Szer, 3014);
  EXPECT_EQ(d->Nazwa, "Jan Żółć");

  // No time, or an empty one: unknown, clock left at 00:00.
  for (std::optional<std::string> czas :
       {std::optional<std::string>{}, std::optional<std::string>{" "}}) {
    pola.Czas = czas;
    const auto n = ParsujDaneUrodz(pola);
    ASSERT_TRUE(n);
    EXPECT_TRUE(n->CzasNieznany);
    EXPECT_EQ(obliczenia::RozkodujCzas(n->DataCzas).Godzina, 0);
  }
  // The limits themselves are allowed.
  const auto granice = ParsujDaneUrodz(
      {"1000-01-01", "00:00", "-780", "10800", "-5400", std::nullopt, std::nullopt});
  EXPECT_TRUE(granice) << granice.Blad.Komunikat;
  const auto granice2 =
      ParsujDaneUrodz({"3000-12-31", "23:59", "780", "-10800", "5400", std::nullopt, std::nullopt});
  EXPECT_TRUE(granice2) << granice2.Blad.Komunikat;
  EXPECT_TRUE(ParsujDaneUrodz({"2000-02-29", "", "0", "0", "0", {}, {}}));
}

// Every invalid argument: exit 2, nothing on standard output, a Polish message
// naming the field and what it allows.
TEST(DaneUrodz, BledneArgumenty) {
  struct {
    std::vector<std::string> argumenty;
    std::vector<std::string> fragmenty;
  } przypadki[] = {
      {Urodz({"--szer", "1"}), {"--szer", "więcej niż raz"}},
      {{"urodz", "--data", "1980-05-17", "--przes", "0", "--dlug", "0"}, {"--szer", "brak"}},
      {{"urodz", "--czas", "12:00", "--przes", "0", "--dlug", "0", "--szer", "0"},
       {"--data", "brak"}},
      {{"urodz", "--data"}, {"--data", "wymaga wartości"}},
      {Urodz({"--kolor", "x"}), {"nieznana opcja", "--kolor", "--miejsce"}},
      {Urodz({"zbędne"}), {"nieoczekiwany argument", "zbędne"}},
      {{"nieznane"}, {"nieznane polecenie", "urodz", "porown", "wsadowo"}},
  };
  for (const auto& p : przypadki) {
    const auto w = Uruchom(p.argumenty);
    EXPECT_EQ(w.Kod, KodBladDanych) << w.Bledy;
    EXPECT_EQ(w.Wy, "");
    for (const auto& f : p.fragmenty)
      EXPECT_NE(w.Bledy.find(f), std::string::npos) << f << " in: " << w.Bledy;
  }
}

TEST(DaneUrodz, WartosciPozaZakresem) {
  struct {
    std::string opcja, wartosc;
    std::vector<std::string> fragmenty;
  } przypadki[] = {
      {"--data", "0999-01-01", {"--data", "rok 999", "1000..3000"}},
      {"--data", "3001-01-01", {"--data", "rok 3001", "1000..3000"}},
      {"--data", "1980-13-01", {"--data", "miesiąc 13", "1..12"}},
      {"--data", "1900-02-29", {"--data", "dzień 29", "1..28", "gregoriański"}},
      {"--data", "1980-04-31", {"--data", "dzień 31", "1..30"}},
      {"--data", "17.05.1980", {"--data", "RRRR-MM-DD"}},
      {"--data", "1980-05-17x", {"--data", "RRRR-MM-DD"}},
      {"--data", "", {"--data", "RRRR-MM-DD"}},
      {"--czas", "24:00", {"--czas", "00:00", "23:59"}},
      {"--czas", "12:60", {"--czas", "GG:MM"}},
      {"--czas", "12:5", {"--czas", "GG:MM"}},
      {"--czas", "-1:00", {"--czas", "GG:MM"}},
      {"--przes", "781", {"--przes", "-780", "780"}},
      {"--przes", "-781", {"--przes", "-780", "780"}},
      {"--przes", "1.5", {"--przes", "liczbą całkowitą"}},
      {"--przes", "99999999999999999999", {"--przes", "poza zakresem"}},
      {"--przes", "+-5", {"--przes", "liczbą całkowitą"}},
      {"--dlug", "10801", {"--dlug", "-10800", "10800", "zachodnia dodatnia"}},
      {"--dlug", "abc", {"--dlug", "liczbą całkowitą"}},
      {"--szer", "5401", {"--szer", "-5400", "5400", "północna dodatnia"}},
      {"--szer", "", {"--szer", "liczbą całkowitą"}},
      {"--nazwa", "\xC3\x28", {"--nazwa", "UTF-8"}},
      {"--miejsce", "a\xFF", {"--miejsce", "UTF-8"}},
  };
  for (const auto& p : przypadki) {
    std::vector<std::string> a = {"urodz"};
    const std::pair<const char*, const char*> domyslne[] = {{"--data", "1980-05-17"},
                                                            {"--czas", "14:25"},
                                                            {"--przes", "120"},
                                                            {"--dlug", "-1257"},
                                                            {"--szer", "3014"}};
    for (const auto& [o, v] : domyslne)
      if (p.opcja != o) {
        a.push_back(o);
        a.push_back(v);
      }
    a.push_back(p.opcja);
    a.push_back(p.wartosc);
    const auto w = Uruchom(a);
    EXPECT_EQ(w.Kod, KodBladDanych) << p.opcja << " " << p.wartosc;
    EXPECT_EQ(w.Wy, "");
    for (const auto& f : p.fragmenty)
      EXPECT_NE(w.Bledy.find(f), std::string::npos) << f << " in: " << w.Bledy;
  }
}

TEST(DaneUrodz, KomunikatNieWypisujeZnakowSterujacych) {
  const auto w = Uruchom(Urodz({"--kolor\x1b[31m", "x"}));
  EXPECT_EQ(w.Kod, KodBladDanych);
  EXPECT_EQ(w.Bledy.find('\x1b'), std::string::npos) << w.Bledy;
}

TEST(DaneUrodz, Pomoc) {
  const auto ogolna = Uruchom({"--help"});
  EXPECT_EQ(ogolna.Kod, KodSukces);
  for (const char* f : {"urodz", "porown", "wsadowo", "Przykłady", "minutach łuku"})
    EXPECT_NE(ogolna.Wy.find(f), std::string::npos) << f;
  for (const char* polecenie : {"urodz", "porown", "wsadowo"}) {
    const auto w = Uruchom({polecenie, "--help"});
    EXPECT_EQ(w.Kod, KodSukces);
    EXPECT_NE(w.Wy.find("Przykład"), std::string::npos) << polecenie;
    EXPECT_NE(w.Wy.find("kosmotyp-oblicz " + std::string(polecenie)), std::string::npos);
  }
  const auto bez = Uruchom({});
  EXPECT_EQ(bez.Kod, KodBladDanych);
  EXPECT_NE(bez.Bledy.find("Polecenia"), std::string::npos);
}

TEST(DaneUrodz, BledneOsobyPorownania) {
  struct {
    std::string osoba1, osoba2;
    std::vector<std::string> fragmenty;
  } przypadki[] = {
      {"1980-05-17;14:25;120;-1257",
       "1980-05-17;14:25;120;-1257;3014",
       {"--osoba1", "5 pól", "jest 4"}},
      {"1980-05-17;14:25;120;-1257;3014",
       "1980-05-17;25:00;120;-1257;3014",
       {"--osoba2", "godzina"}},
      {"1980-05-17;14:25;120;-1257;3014",
       "1980-05-17;;120;-1257;9000",
       {"--osoba2", "szerokość", "5400"}},
  };
  for (const auto& p : przypadki) {
    const auto w = Uruchom({"porown", "--osoba1", p.osoba1, "--osoba2", p.osoba2});
    EXPECT_EQ(w.Kod, KodBladDanych);
    EXPECT_EQ(w.Wy, "");
    for (const auto& f : p.fragmenty)
      EXPECT_NE(w.Bledy.find(f), std::string::npos) << f << " in: " << w.Bledy;
  }
  EXPECT_EQ(Uruchom({"porown", "--osoba1", "1980-05-17;14:25;120;-1257;3014"}).Kod, KodBladDanych);
}

TEST(Wsadowo, BledneWierszeNieZatrzymujaPrzetwarzania) {
  const std::string wejscie = "\xEF\xBB\xBF"
                              "Data,Czas,Przes,Dlug,Szer\r\n"
                              "1980-13-01,12:00,60,0,0\r\n"
                              "\r\n" +
                              std::string(10000, 'x') +
                              "\n"
                              "1980-01-01,12:00,60,0\n"
                              "1980-01-01,12:00,60,0,0,7\n"
                              "data,czas,przes,dlug,szer\n"
                              "1980-01-01,12:00,60,0,99999";
  const auto w = Uruchom({"wsadowo"}, wejscie);
  EXPECT_EQ(w.Kod, KodSukces);
  EXPECT_EQ(w.Bledy, "");
  const std::string oczekiwane[] = {
      R"({"blad":"miesiąc 13","wiersz":2})", R"({"blad":"dłuższy niż 4096","wiersz":4})",
      R"({"blad":"5 pól","wiersz":5})",      R"({"blad":"jest 6","wiersz":6})",
      R"({"blad":"data","wiersz":7})",       R"({"blad":"szer","wiersz":8})",
  };
  std::istringstream s(w.Wy);
  std::string wiersz;
  for (const auto& o : oczekiwane) {
    ASSERT_TRUE(std::getline(s, wiersz)) << w.Wy;
    const auto numer = o.substr(o.find(",\"wiersz\""));
    EXPECT_EQ(wiersz.substr(wiersz.size() - numer.size()), numer) << wiersz;
    const auto fragment = o.substr(9, o.find('"', 9) - 9);
    EXPECT_NE(wiersz.find(fragment), std::string::npos) << fragment << " in " << wiersz;
  }
  EXPECT_FALSE(std::getline(s, wiersz)) << wiersz;
}

TEST(Wsadowo, ZnacznikKolejnosciBajtowPrzedDanymi) {
  const auto w = Uruchom({"wsadowo"}, "\xEF\xBB\xBF"
                                      "1980-05-17,14:25,120,-1257,3014\n");
  EXPECT_EQ(w.Kod, KodSukces);
  EXPECT_EQ(w.Wy.find("blad"), std::string::npos) << w.Wy.substr(0, 200);
  EXPECT_EQ(w.Wy.rfind("{\"Nazwa\":", 0), 0u) << w.Wy.substr(0, 200);
}
