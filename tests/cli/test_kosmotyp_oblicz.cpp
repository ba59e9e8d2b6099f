// kosmotyp-oblicz as a user runs it: a separate process, JSON on standard output.
#include "wykres_porown.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

using namespace wykres;
namespace fs = std::filesystem;

namespace {

struct TWynikProcesu {
  int Kod = -1;
  std::string Wy, Bledy;
};

class KosmotypOblicz : public ::testing::Test {
protected:
  void SetUp() override {
    char wzor[] = "/tmp/kosmotyp-oblicz-XXXXXX";
    ASSERT_NE(mkdtemp(wzor), nullptr);
    Katalog = wzor;
  }
  void TearDown() override { fs::remove_all(Katalog); }

  static std::string Cytuj(const std::string& a) {
    std::string w = "'";
    for (char c : a)
      w += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return w + "'";
  }
  static std::string Czytaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }

  TWynikProcesu Uruchom(const std::vector<std::string>& argumenty,
                        const std::string& wejscie = "") {
    std::ofstream(Katalog / "we") << wejscie;
    std::string polecenie = Cytuj(KOSMOTYP_OBLICZ);
    for (const auto& a : argumenty)
      polecenie += " " + Cytuj(a);
    polecenie += " < " + Cytuj(Katalog / "we") + " > " + Cytuj(Katalog / "wy") + " 2> " +
                 Cytuj(Katalog / "bledy");
    const int status = std::system(polecenie.c_str());
    TWynikProcesu w;
    w.Kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    w.Wy = Czytaj(Katalog / "wy");
    w.Bledy = Czytaj(Katalog / "bledy");
    return w;
  }

  fs::path Katalog;
};

QJsonObject Obiekt(const std::string& json) {
  QJsonParseError blad;
  const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &blad);
  EXPECT_EQ(blad.error, QJsonParseError::NoError) << blad.errorString().toStdString() << "\n"
                                                  << json.substr(0, 200);
  return doc.object();
}

template <typename T, int N, typename F>
void PorownajTablice(const QJsonObject& o, const char* klucz, const TTablicaOd1<T, N>& t,
                     F sprawdz) {
  const QJsonArray a = o.value(klucz).toArray();
  ASSERT_EQ(a.size(), N) << klucz;
  for (int i = 1; i <= N; ++i)
    sprawdz(a[i - 1], t[i], klucz, i);
}

void SprawdzLiczbe(const QJsonValue& v, double x, const char* k, int i) {
  ASSERT_TRUE(v.isDouble()) << k << i;
  EXPECT_EQ(v.toDouble(), x) << k << "[" << i << "] must read back bit for bit";
}
void SprawdzCalkowita(const QJsonValue& v, int x, const char* k, int i) {
  EXPECT_EQ(v.toInt(-99), x) << k << i;
}
void SprawdzLogiczna(const QJsonValue& v, bool x, const char* k, int i) {
  ASSERT_TRUE(v.isBool()) << k << i;
  EXPECT_EQ(v.toBool(), x) << k << i;
}
void SprawdzPozycje(const QJsonValue& v, const TPozycjaWZnaku& p, const char* k, int i) {
  EXPECT_EQ(v["Znak"].toInt(-99), p.Znak) << k << i;
  EXPECT_EQ(v["Stopien"].toDouble(), p.Stopien) << k << i;
}
void SprawdzAspekt(const QJsonValue& v, const TAspekt& a, const char* k, int i) {
  EXPECT_EQ(v["Rodzaj"].toInt(-99), a.Rodzaj) << k << i;
  EXPECT_EQ(v["Odchylenie"].toDouble(), a.Odchylenie) << k << i;
  EXPECT_EQ(v["Zbliza"].toBool(), a.Zbliza) << k << i;
}

void SprawdzWykres(const QJsonObject& o, const TWykresUrodz& w) {
  PorownajTablice(o, "DlugEkl", w.DlugEkl, SprawdzLiczbe);
  PorownajTablice(o, "PozycjaPunktu", w.PozycjaPunktu, SprawdzPozycje);
  PorownajTablice(o, "Retro", w.Retro, SprawdzLogiczna);
  PorownajTablice(o, "DomPunktu", w.DomPunktu, SprawdzCalkowita);
  PorownajTablice(o, "Deklinacja", w.Deklinacja, SprawdzLiczbe);
  PorownajTablice(o, "Wierzcholek", w.Wierzcholek, SprawdzLiczbe);
  PorownajTablice(o, "PozycjaDomu", w.PozycjaDomu, SprawdzPozycje);
  PorownajTablice(o, "Aspekty", w.Aspekty, SprawdzAspekt);
  PorownajTablice(o, "Paralele", w.Paralele, SprawdzAspekt);
  const auto cg = obliczenia::RozkodujCzas(w.CzasGwiazdowy);
  char tekst[8];
  std::snprintf(tekst, sizeof tekst, "%02d:%02d", cg.Godzina, cg.Minuta);
  EXPECT_EQ(o.value("CzasGwiazdowy").toString().toStdString(), tekst);
}

TDaneKosmotypuUrodz Dane(int rok, int miesiac, int dzien, int godzina, int minuta, bool nieznany,
                         int przes, int dlug, int szer) {
  TDaneKosmotypuUrodz d;
  d.DataCzas = obliczenia::ZakodujDateCzas({rok, miesiac, dzien},
                                           nieznany ? obliczenia::TCzasZegarowy{}
                                                    : obliczenia::TCzasZegarowy{godzina, minuta});
  d.CzasNieznany = nieznany;
  d.PrzesGMT = przes;
  d.Dlug = dlug;
  d.Szer = szer;
  return d;
}

} // namespace

TEST_F(KosmotypOblicz, UrodzZgodnyZBiblioteka) {
  const auto w =
      Uruchom({"urodz", "--data", "1980-05-17", "--czas", "14:25", "--przes", "120", "--dlug",
               "-1257", "--szer", "3014", "--nazwa", "Jan \"Żółć\"", "--miejsce", "Kraków"});
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  EXPECT_EQ(w.Bledy, "");
  ASSERT_EQ(std::count(w.Wy.begin(), w.Wy.end(), '\n'), 1);
  const QJsonObject o = Obiekt(w.Wy);
  EXPECT_EQ(o.value("Nazwa").toString().toStdString(), "Jan \"Żółć\"");
  EXPECT_EQ(o.value("Miejsce").toString().toStdString(), "Kraków");
  EXPECT_FALSE(o.value("CzasNieznany").toBool(true));
  const auto wykres = ObliczWykresUrodz(Dane(1980, 5, 17, 14, 25, false, 120, -1257, 3014));
  ASSERT_TRUE(wykres);
  SprawdzWykres(o, *wykres);
}

TEST_F(KosmotypOblicz, UrodzBezGodziny) {
  const auto w = Uruchom(
      {"urodz", "--data", "1975-11-02", "--przes", "60", "--dlug", "-1197", "--szer", "3004"});
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  const QJsonObject o = Obiekt(w.Wy);
  EXPECT_TRUE(o.value("CzasNieznany").toBool());
  SprawdzWykres(o, *ObliczWykresUrodz(Dane(1975, 11, 2, 0, 0, true, 60, -1197, 3004)));
  for (const auto v : o.value("DomPunktu").toArray())
    EXPECT_EQ(v.toInt(-1), 0);
}

TEST_F(KosmotypOblicz, Porownanie) {
  const auto w = Uruchom({"porown", "--osoba1", "1980-05-17;14:25;120;-1257;3014", "--osoba2",
                          "1975-11-02;;60;-1197;3004"});
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  const QJsonObject o = Obiekt(w.Wy);
  const auto p = ObliczWykresPorown(Dane(1980, 5, 17, 14, 25, false, 120, -1257, 3014),
                                    Dane(1975, 11, 2, 0, 0, true, 60, -1197, 3004));
  ASSERT_TRUE(p);
  SprawdzWykres(o.value("Wykres1").toObject(), p->Wykres1);
  SprawdzWykres(o.value("Wykres2").toObject(), p->Wykres2);
  PorownajTablice(o, "AspektyPorown", p->AspektyPorown, SprawdzAspekt);
}

TEST_F(KosmotypOblicz, WsadowoZBlednymWierszemWSrodku) {
  const std::string wejscie = "data,czas,przes,dlug,szer\r\n"
                              "1980-05-17,14:25,120,-1257,3014\r\n"
                              "1980-02-30,12:00,60,0,0\n"
                              "\n"
                              "1975-11-02,,60,-1197,3004\n"
                              "2000-06-21,12:00,0,0,4200\n"
                              "1990-01-01,10:00,60,-1197\n"
                              "1999-12-31,23:59,-780,10800,-3000";
  const auto w = Uruchom({"wsadowo"}, wejscie);
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  std::vector<std::string> wiersze;
  std::istringstream s(w.Wy);
  for (std::string l; std::getline(s, l);)
    wiersze.push_back(l);
  ASSERT_EQ(wiersze.size(), 6u) << w.Wy.substr(0, 300);
  SprawdzWykres(Obiekt(wiersze[0]),
                *ObliczWykresUrodz(Dane(1980, 5, 17, 14, 25, false, 120, -1257, 3014)));
  const QJsonObject blad = Obiekt(wiersze[1]);
  EXPECT_EQ(blad.value("wiersz").toInt(), 3);
  EXPECT_NE(blad.value("blad").toString().toStdString().find("data"), std::string::npos);
  SprawdzWykres(Obiekt(wiersze[2]),
                *ObliczWykresUrodz(Dane(1975, 11, 2, 0, 0, true, 60, -1197, 3004)));
  const QJsonObject polarny = Obiekt(wiersze[3]);
  EXPECT_EQ(polarny.value("wiersz").toInt(), 6);
  EXPECT_NE(polarny.value("blad").toString().toStdString().find("szerokości"), std::string::npos);
  const QJsonObject krotki = Obiekt(wiersze[4]);
  EXPECT_EQ(krotki.value("wiersz").toInt(), 7);
  EXPECT_NE(krotki.value("blad").toString().toStdString().find("5 pól"), std::string::npos);
  SprawdzWykres(Obiekt(wiersze[5]),
                *ObliczWykresUrodz(Dane(1999, 12, 31, 23, 59, false, -780, 10800, -3000)));
}

TEST_F(KosmotypOblicz, KodyWyjscia) {
  struct {
    std::vector<std::string> argumenty;
    int kod;
    const char* fragment;
  } przypadki[] = {
      {{"urodz", "--data", "2000-06-21", "--czas", "12:00", "--przes", "0", "--dlug", "0", "--szer",
        "4200"},
       1,
       "szerokości"},
      {{"porown", "--osoba1", "2000-06-21;12:00;0;0;4200", "--osoba2",
        "1980-05-17;14:25;120;-1257;3014"},
       1,
       "Osoba 1"},
      {{"urodz", "--data", "2000-06-21", "--czas", "12:00", "--przes", "0", "--dlug", "0", "--szer",
        "5401"},
       2,
       "--szer"},
      {{"urodz", "--data", "2000-06-31", "--przes", "0", "--dlug", "0", "--szer", "0"},
       2,
       "--data"},
      {{"wsadowo", "--cokolwiek"}, 2, "wsadowo"},
      {{}, 2, "Polecenia"},
      {{"--help"}, 0, ""},
  };
  for (const auto& p : przypadki) {
    const auto w = Uruchom(p.argumenty);
    EXPECT_EQ(w.Kod, p.kod) << w.Bledy;
    if (p.kod != 0) {
      EXPECT_EQ(w.Wy, "") << "no chart after a failure";
      EXPECT_NE(w.Bledy.find(p.fragment), std::string::npos) << w.Bledy;
    }
  }
}
