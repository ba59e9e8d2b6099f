// Persons, places and countries: uniqueness rules, deletion, lists and display fields.
#include "katalog_testowy.h"
#include "miejsca.h"
#include "osoby.h"
#include "panstwa.h"
#include "pola_pokazowe.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace kartoteka {
namespace {

using obliczenia::TCzasZegarowy;
using obliczenia::TDataKalendarzowa;

class Kartoteka : public testy::TKatalogTestowy {
protected:
  std::unique_ptr<TMagazyn> Mag = testy::Otworz(Katalog());

  std::int32_t Panstwo(const QString& nazwa) {
    auto w = DodajPanstwo(*Mag, nazwa);
    EXPECT_TRUE(w.Ok()) << w.Blad.toStdString();
    return w.Wartosc;
  }
  std::int32_t Miejsce(const QString& nazwa, int rodzaj = RodzajPolski,
                       std::optional<std::int32_t> panstwo = std::nullopt) {
    auto w = ZapiszMiejsce(*Mag, {0, nazwa, -1196, 3004, rodzaj, panstwo});
    EXPECT_TRUE(w.Ok()) << w.Blad.toStdString();
    return w.Wartosc;
  }
  TOsoba Osoba(const QString& nazwisko, const QString& imie, std::int32_t miejsce) {
    return {0, nazwisko, imie, {1970, 5, 1}, TCzasZegarowy{13, 45, 0, 0}, 60, miejsce};
  }
};

TEST_F(Kartoteka, OsobyRozniaSieNazwiskiemLubImieniem) {
  const auto krakow = Miejsce("Kraków");
  auto pierwsza = ZapiszOsobe(*Mag, Osoba("Kowalski", "Jan", krakow));
  ASSERT_TRUE(pierwsza.Ok()) << pierwsza.Blad.toStdString();
  EXPECT_TRUE(ZapiszOsobe(*Mag, Osoba("Kowalski", "Adam", krakow)).Ok());
  EXPECT_TRUE(ZapiszOsobe(*Mag, Osoba("Kowalski", "", krakow)).Ok());
  EXPECT_EQ(ZapiszOsobe(*Mag, Osoba("Kowalski", "", krakow)).Blad,
            "Istnieje już osoba z podanym nazwiskiem i imieniem.");
  // Blanks around the names do not make another person.
  EXPECT_EQ(ZapiszOsobe(*Mag, Osoba("  Kowalski ", " Jan", krakow)).Blad,
            "Istnieje już osoba z podanym nazwiskiem i imieniem.");
  // Saving a person under its own names is fine.
  TOsoba ta = Osoba("Kowalski", "Jan", krakow);
  ta.IdOsoby = pierwsza.Wartosc;
  ta.PrzesGMT = 120;
  auto zmiana = ZapiszOsobe(*Mag, ta);
  ASSERT_TRUE(zmiana.Ok()) << zmiana.Blad.toStdString();
  EXPECT_EQ(zmiana.Wartosc, pierwsza.Wartosc);
  auto znaleziona = ZnajdzOsobeWgNazwiskaImienia(*Mag, "Kowalski", "Jan");
  ASSERT_TRUE(znaleziona.Ok() && znaleziona.Wartosc);
  EXPECT_EQ(*znaleziona.Wartosc, ta);
  EXPECT_EQ(*ZnajdzOsobe(*Mag, pierwsza.Wartosc).Wartosc, ta);
  EXPECT_FALSE(ZnajdzOsobe(*Mag, 9999).Wartosc);
}

TEST_F(Kartoteka, SprawdzenieOsobyZatrzymujeSieNaPierwszymBledzie) {
  const auto krakow = Miejsce("Kraków");
  struct TPrzypadek {
    TOsoba O;
    const char* Blad;
  };
  auto o = [&](auto zmien) {
    TOsoba x = Osoba("Nowak", "Anna", krakow);
    zmien(x);
    return x;
  };
  const TPrzypadek przypadki[] = {
      {o([](TOsoba& x) { x.Nazwisko = "   "; }), "Podaj nazwisko."},
      {o([](TOsoba& x) { x.Nazwisko = QString(31, 'a'); }),
       "Nazwisko może mieć najwyżej 30 znaków."},
      {o([](TOsoba& x) { x.Imie = QString(31, QChar(0x0142)); }),
       "Imię może mieć najwyżej 30 znaków."},
      {o([](TOsoba& x) { x.IdMiejsca = 0; }), "Wybierz miejsce urodzenia."},
      {o([](TOsoba& x) { x.IdMiejsca = 4242; }), "Wybierz miejsce urodzenia."},
      {o([](TOsoba& x) {
         x.Data = {1970, 2, 30};
       }),
       "Podaj prawidłową datę lub wciśnij Esc."},
      {o([](TOsoba& x) {
         x.Data = {1899, 12, 31};
       }),
       "Rok urodzenia musi być z zakresu 1900..2050."},
      {o([](TOsoba& x) {
         x.Data = {2051, 1, 1};
       }),
       "Rok urodzenia musi być z zakresu 1900..2050."},
      {o([](TOsoba& x) {
         x.Czas = TCzasZegarowy{24, 0, 0, 0};
       }),
       "Podaj prawidłową godzinę lub wciśnij Esc."},
      {o([](TOsoba& x) { x.PrzesGMT = 781; }), "Przesunięcie czasowe musi być w zakresie -12..13."},
      {o([](TOsoba& x) {
         x.Data = {1900, 1, 1};
       }),
       ""},
      {o([](TOsoba& x) {
         x.Nazwisko = "Nowak2";
         x.Data = {2050, 12, 31};
         x.PrzesGMT = -720;
       }),
       ""},
  };
  for (const auto& p : przypadki)
    EXPECT_EQ(ZapiszOsobe(*Mag, p.O).Blad, QString(p.Blad)) << p.Blad;
}

TEST_F(Kartoteka, MiejscowosciPolskieUnikalneWgNazwyZagraniczneWgPanstwaINazwy) {
  const auto niemcy = Panstwo("Niemcy");
  const auto austria = Panstwo("Austria");
  const auto osiek = Miejsce("Osiek");
  const QString istnieje = "Istnieje już miejsowość z podaną nazwą.";
  EXPECT_EQ(ZapiszMiejsce(*Mag, {0, " Osiek ", -1196, 3004, RodzajPolski, {}}).Blad, istnieje);
  // Exact comparison, as the index lookup: another letter case is another name.
  EXPECT_TRUE(ZapiszMiejsce(*Mag, {0, "OSIEK", -1196, 3004, RodzajPolski, {}}).Ok());
  // The same name abroad is another place.
  Miejsce("Osiek", RodzajZagraniczny, niemcy);
  EXPECT_EQ(ZapiszMiejsce(*Mag, {0, "Osiek", 0, 0, RodzajZagraniczny, niemcy}).Blad, istnieje);
  EXPECT_TRUE(ZapiszMiejsce(*Mag, {0, "Osiek", 0, 0, RodzajZagraniczny, austria}).Ok());
  // Editing a place under its own name.
  auto sam = ZapiszMiejsce(*Mag, {osiek, "Osiek", -1197, 3005, RodzajPolski, {}});
  ASSERT_TRUE(sam.Ok()) << sam.Blad.toStdString();
  EXPECT_EQ(sam.Wartosc, osiek);
  auto znalezione = ZnajdzMiejscePolskie(*Mag, "Osiek");
  ASSERT_TRUE(znalezione.Wartosc);
  EXPECT_EQ(znalezione.Wartosc->Dlugosc, -1197);
  EXPECT_TRUE(ZnajdzMiejsceZagraniczne(*Mag, austria, "Osiek").Wartosc);
  EXPECT_FALSE(ZnajdzMiejsceZagraniczne(*Mag, austria, "Wiedeń").Wartosc);
  // The store's own checks.
  EXPECT_EQ(ZapiszMiejsce(*Mag, {0, "", 0, 0, RodzajPolski, {}}).Blad, "Podaj nazwę.");
  EXPECT_FALSE(ZapiszMiejsce(*Mag, {0, "X", 10801, 0, RodzajZagraniczny, niemcy}).Ok());
  EXPECT_FALSE(ZapiszMiejsce(*Mag, {0, "X", 0, 5401, RodzajZagraniczny, niemcy}).Ok());
  EXPECT_FALSE(ZapiszMiejsce(*Mag, {0, "X", 0, 0, 3, {}}).Ok());
  EXPECT_FALSE(ZapiszMiejsce(*Mag, {0, "X", 0, 0, RodzajPolski, niemcy}).Ok());
  EXPECT_FALSE(ZapiszMiejsce(*Mag, {0, QString(101, 'x'), 0, 0, RodzajPolski, {}}).Ok());
}

TEST_F(Kartoteka, PanstwaUnikalneBezWzgleduNaWielkoscLiterPolskichTez) {
  const auto lodz = Panstwo("Łódź");
  const char* takieSame[] = {"ŁÓDŹ", "łódź", "  Łódź ", "łÓdŹ"};
  for (const char* n : takieSame)
    EXPECT_EQ(DodajPanstwo(*Mag, n).Blad, "Istnieje już państwo z podaną nazwą.") << n;
  EXPECT_TRUE(DodajPanstwo(*Mag, "Lodz").Ok());
  EXPECT_EQ(DodajPanstwo(*Mag, "  ").Blad, "Podaj nazwę.");
  EXPECT_FALSE(DodajPanstwo(*Mag, QString(51, 'x')).Ok());
  auto w = ZnajdzPanstwoWgNazwy(*Mag, "ŁÓDŹ");
  ASSERT_TRUE(w.Ok() && w.Wartosc);
  EXPECT_EQ(w.Wartosc->IdPanstwa, lodz);
  EXPECT_EQ(w.Wartosc->Nazwa, "Łódź");
  EXPECT_EQ(ZnajdzPanstwo(*Mag, lodz).Wartosc->Nazwa, "Łódź");
  EXPECT_FALSE(ZnajdzPanstwoWgNazwy(*Mag, "Śląsk").Wartosc);
}

TEST_F(Kartoteka, UsuniecieMiejscowosciZOsobamiJestOdmawiane) {
  const auto krakow = Miejsce("Kraków");
  const auto niemcy = Panstwo("Niemcy");
  const auto berlin = Miejsce("Berlin", RodzajZagraniczny, niemcy);
  ASSERT_TRUE(ZapiszOsobe(*Mag, Osoba("Nowak", "Anna", krakow)).Ok());
  ASSERT_TRUE(ZapiszOsobe(*Mag, Osoba("Nowak", "Jan", krakow)).Ok());
  EXPECT_EQ(UsunMiejsce(*Mag, krakow).Blad,
            "Nie można usunąć miejscowości: jest miejscem urodzenia 2 osób.");
  EXPECT_TRUE(ZnajdzMiejsce(*Mag, krakow).Wartosc);

  // A foreign place goes together with its offsets.
  QSqlQuery q(Mag->Baza());
  ASSERT_TRUE(q.exec(QString("INSERT INTO PrzesGMT VALUES (%1, 60), (%1, 120)").arg(berlin)));
  EXPECT_TRUE(UsunMiejsce(*Mag, berlin).Ok());
  EXPECT_FALSE(ZnajdzMiejsce(*Mag, berlin).Wartosc);
  ASSERT_TRUE(q.exec("SELECT count(*) FROM PrzesGMT") && q.next());
  EXPECT_EQ(q.value(0).toInt(), 0);
}

TEST_F(Kartoteka, ListaZagranicznychWObuPorzadkachBezMiejscowosciBezPanstwa) {
  const auto niemcy = Panstwo("Niemcy");
  const auto austria = Panstwo("Austria");
  Miejsce("Monachium", RodzajZagraniczny, niemcy);
  Miejsce("Berlin", RodzajZagraniczny, niemcy);
  Miejsce("Wiedeń", RodzajZagraniczny, austria);
  Miejsce("Graz", RodzajZagraniczny, austria);
  const auto bezPanstwa = Miejsce("Atlantyda", RodzajZagraniczny);
  Miejsce("Kraków");

  auto nazwy = [](const std::vector<TWierszMiejscaZagr>& w) {
    QStringList n;
    for (const auto& r : w)
      n << r.Nazwa + "/" + r.NazPanstwa;
    return n;
  };
  auto wgNazw = ListaMiejscZagranicznych(*Mag, false);
  ASSERT_TRUE(wgNazw.Ok()) << wgNazw.Blad.toStdString();
  EXPECT_EQ(nazwy(wgNazw.Wartosc),
            (QStringList{"Berlin/Niemcy", "Graz/Austria", "Monachium/Niemcy", "Wiedeń/Austria"}));
  auto wgPanstw = ListaMiejscZagranicznych(*Mag, true);
  EXPECT_EQ(nazwy(wgPanstw.Wartosc),
            (QStringList{"Graz/Austria", "Wiedeń/Austria", "Berlin/Niemcy", "Monachium/Niemcy"}));

  // Absent from the list, still a birth place.
  auto o = Osoba("Nemo", "", bezPanstwa);
  o.PrzesGMT = 0;
  auto zapis = ZapiszOsobe(*Mag, o);
  ASSERT_TRUE(zapis.Ok()) << zapis.Blad.toStdString();
  auto lista = ListaOsob(*Mag);
  ASSERT_EQ(lista.Wartosc.size(), 1u);
  EXPECT_EQ(lista.Wartosc[0].Miejsce, "Atlantyda");
  EXPECT_EQ(lista.Wartosc[0].Szer, 3004);
  EXPECT_EQ(lista.Wartosc[0].Dlug, -1196);

  auto polskie = ListaMiejsc(*Mag, RodzajPolski);
  ASSERT_EQ(polskie.Wartosc.size(), 1u);
  EXPECT_EQ(polskie.Wartosc[0].Nazwa, "Kraków");
  EXPECT_EQ(ListaMiejsc(*Mag, RodzajZagraniczny).Wartosc.size(), 5u);
}

TEST_F(Kartoteka, PolaPokazoweOsobyIMiejsca) {
  const auto krakow = Miejsce("Kraków");
  // Stored data may lack both the time and the offset.
  QSqlQuery q(Mag->Baza());
  ASSERT_TRUE(q.exec(QString("INSERT INTO Osoby (Nazwisko, Imie, Data, IdMiejsca) VALUES "
                             "('Pusty', 'Czas', '1985-07-09', %1)")
                         .arg(krakow)));
  ASSERT_TRUE(ZapiszOsobe(*Mag, Osoba("Kowalski", "Jan", krakow)).Ok());
  auto lista = ListaOsob(*Mag);
  ASSERT_TRUE(lista.Ok()) << lista.Blad.toStdString();
  ASSERT_EQ(lista.Wartosc.size(), 2u);
  const TOsoba& pelna = lista.Wartosc[0].Osoba;
  const TOsoba& pusta = lista.Wartosc[1].Osoba;
  EXPECT_FALSE(pusta.Czas);
  EXPECT_FALSE(pusta.PrzesGMT);
  EXPECT_EQ(DataCzas(pusta), "1985-07-09"
                             "   "
                             ""
                             "  (00:00 GMT)");
  EXPECT_EQ(DataCzas(pelna), "1970-05-01   13:45  (12:45 GMT)");
  EXPECT_EQ(NazImie(pelna), "Kowalski Jan");
  EXPECT_EQ(lista.Wartosc[0].Miejsce, "Kraków");

  struct TWsp {
    std::int32_t Dlug, Szer;
    const char *TekstDlug, *TekstSzer;
  };
  for (const TWsp& w :
       {TWsp{-1197, 3004, "19° 57' E", "50° 04' N"}, TWsp{4440, -2443, "74° 00' W", "40° 43' S"},
        TWsp{0, 0, "0° 00'", "0° 00'"}}) {
    EXPECT_EQ(DlugoscSM(w.Dlug), QString(w.TekstDlug));
    EXPECT_EQ(SzerokoscSM(w.Szer), QString(w.TekstSzer));
  }
  EXPECT_EQ(PrzesFormat(60.0), "+1:00");
  EXPECT_EQ(PrzesFormat(-330.0), "-5:30");
  EXPECT_EQ(PrzesFormat(0.0), "0:00");
  EXPECT_EQ(PrzesFormat(344.6), "+5:45");
}

} // namespace
} // namespace kartoteka
