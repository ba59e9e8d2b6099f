#include "strefy_czas.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace strefy;
using obliczenia::TCzasZegarowy;
using obliczenia::TDataKalendarzowa;
using obliczenia::ZakodujDateCzas;

namespace {

TDataCzas Chwila(int rok, int miesiac, int dzien, int godzina = 0, int minuta = 0) {
  return ZakodujDateCzas({rok, miesiac, dzien}, {godzina, minuta});
}

// A user who answers from a script and remembers what was asked.
struct TSkryptUzytkownika {
  std::int32_t WybranyObszar = -1;
  TPodanePrzesuniecie Podane{0, true};

  std::vector<std::vector<std::int32_t>> OferowaneObszary;
  int PytaniaOPrzesuniecie = 0;
  std::vector<std::string> Komunikaty;

  TDialogiStref Dialogi() {
    TDialogiStref d;
    d.WybierzObszar = [this](const std::vector<TOpisStrefy>& lista) {
      std::vector<std::int32_t> numery;
      for (const auto& opis : lista) {
        EXPECT_EQ(opis.Nazwa, Strefy(opis.Strefa).Nazwa);
        numery.push_back(opis.Strefa);
      }
      OferowaneObszary.push_back(numery);
      return WybranyObszar;
    };
    d.PodajPrzesuniecie = [this] {
      ++PytaniaOPrzesuniecie;
      return Podane;
    };
    d.PokazKomunikat = [this](std::string_view tekst) { Komunikaty.emplace_back(tekst); };
    return d;
  }
};

TEST(StrefyCzas, NazwyObszarow) {
  const char* nazwy[] = {"Polska",
                         "Zabór austriacki",
                         "Zabór niemiecki",
                         "Zabór rosyjski (Królestwo Kongresowe)",
                         "Zabór rosyjski (Litwa)",
                         "Zabór rosyjski (Białoruś)",
                         "Zabór rosyjski (Ukraina)",
                         "Okupacja niemiecka",
                         "Okupacja radziecka"};
  const std::size_t liczbyOkresow[] = {28, 4, 4, 1, 2, 3, 3, 7, 1};
  for (int n = 1; n <= LiczbaStref; ++n) {
    EXPECT_EQ(Strefy(n).Numer, n);
    EXPECT_EQ(Strefy(n).Nazwa, nazwy[n - 1]);
    EXPECT_EQ(Strefy(n).Okresy.size(), liczbyOkresow[n - 1]) << n;
  }
}

// Periods of an area follow each other without overlap, in search order.
TEST(StrefyCzas, OkresyNieZachodzaNaSiebie) {
  for (int n = 1; n <= LiczbaStref; ++n) {
    const auto& okresy = Strefy(n).Okresy;
    for (std::size_t i = 0; i < okresy.size(); ++i) {
      const TOkresStrefy& o = okresy[i];
      ASSERT_FALSE(o.Od.Otwarta);
      if (!o.Do.Otwarta) {
        EXPECT_LT(PorownajMomenty(MomentGranicy(o.Od), MomentGranicy(o.Do)), 0) << n << "/" << i;
      }
      if (i > 0) {
        EXPECT_LE(PorownajMomenty(MomentGranicy(okresy[i - 1].Do), MomentGranicy(o.Od)), 0)
            << n << "/" << i;
      }
    }
  }
}

struct TPrzypadek {
  const char* opis;
  TDataCzas moment;
  std::int32_t wybor;                  // the area the user picks (-1: cancels)
  std::optional<std::int32_t> podane;  // minutes typed in the offset dialog, none: cancels
  std::vector<std::int32_t> oferowane; // areas offered, empty: no choice dialog
  bool pytaOPrzesuniecie;
  enum { Minuty, Anulowane, PominietaGodzina } wynik;
  std::int32_t minuty;
};

TEST(StrefyCzas, PrzypadkiGraniczne) {
  const std::vector<std::int32_t> zabory{2, 3, 4, 5, 6, 7};
  const std::vector<std::int32_t> wrzesien39{1, 8, 9};
  const std::vector<std::int32_t> okupacja{8, 9};
  // clang-format off
  const TPrzypadek przypadki[] = {
    {"1930 Polska bez pytania",            Chwila(1930, 6, 1, 12),   -1, {},  {},          false, TPrzypadek::Minuty, 60},
    {"wrzesień 1939, okupacja radziecka",  Chwila(1939, 9, 15, 12),  9,  {},  wrzesien39,  false, TPrzypadek::Minuty, 120},
    {"wrzesień 1939, Polska",              Chwila(1939, 9, 15, 12),  1,  {},  wrzesien39,  false, TPrzypadek::Minuty, 60},
    {"wrzesień 1939, okupacja niemiecka",  Chwila(1939, 9, 15, 12),  8,  {},  wrzesien39,  false, TPrzypadek::Minuty, 60},
    {"październik 1939: bez Polski",       Chwila(1939, 10, 1),      9,  {},  okupacja,    false, TPrzypadek::Minuty, 120},
    {"wybór anulowany",                    Chwila(1939, 9, 15, 12),  -1, 75,  wrzesien39,  false, TPrzypadek::Anulowane, 0},
    {"Królestwo Kongresowe 1900",          Chwila(1900, 5, 1, 12),   4,  {},  zabory,      false, TPrzypadek::Minuty, 84},
    {"Litwa 1918",                         Chwila(1918, 3, 1, 12),   5,  {},  zabory,      false, TPrzypadek::Minuty, 95},
    {"listopad 1918: Polska wśród zaborów",Chwila(1918, 11, 20, 12), 1,  {},  {1, 2, 3, 4, 5, 6, 7}, false, TPrzypadek::Minuty, 60},
    {"zabór austriacki 1890: pytanie",     Chwila(1890, 1, 1),       2,  90,  zabory,      true,  TPrzypadek::Minuty, 90},
    {"zabór austriacki 1890: anulowane",   Chwila(1890, 1, 1),       2,  {},  zabory,      true,  TPrzypadek::Anulowane, 0},
    {"przed 1880: od razu pytanie",        Chwila(1879, 12, 31, 23, 59), -1, 84, {},       true,  TPrzypadek::Minuty, 84},
    {"1945-06-01 00:00 czas letni",        Chwila(1945, 6, 1),       -1, {},  {},          false, TPrzypadek::Minuty, 120},
    {"2004-03-28 02:30 nie istnieje",      Chwila(2004, 3, 28, 2, 30), -1, {}, {},         false, TPrzypadek::PominietaGodzina, 0},
    {"2004-03-28 03:00 już letni",         Chwila(2004, 3, 28, 3),   -1, {},  {},          false, TPrzypadek::Minuty, 120},
    {"2004-10-31 02:30 powtórzona: letni", Chwila(2004, 10, 31, 2, 30), -1, {}, {},        false, TPrzypadek::Minuty, 120},
    {"2004-10-31 03:00 zimowy",            Chwila(2004, 10, 31, 3),  -1, {},  {},          false, TPrzypadek::Minuty, 60},
    {"2009-10-28: koniec lata 25.10",      Chwila(2009, 10, 28, 12), -1, {},  {},          false, TPrzypadek::Minuty, 60},
    {"1922-01-01 00:30 nie istnieje",      Chwila(1922, 1, 1, 0, 30), -1, {}, {},          false, TPrzypadek::PominietaGodzina, 0},
    {"1942-01-01 00:30 okupacja niem.",    Chwila(1942, 1, 1, 0, 30), 8, {},  okupacja,    false, TPrzypadek::PominietaGodzina, 0},
    {"1942-01-01 01:00 okupacja niem.",    Chwila(1942, 1, 1, 1),    8,  {},  okupacja,    false, TPrzypadek::Minuty, 120},
    {"1919-04-15 02:00 nie istnieje",      Chwila(1919, 4, 15, 2),   -1, {},  {},          false, TPrzypadek::PominietaGodzina, 0},
    {"1919-04-15 03:00 letni",             Chwila(1919, 4, 15, 3),   -1, {},  {},          false, TPrzypadek::Minuty, 120},
    {"1919-04-15 01:59 jeszcze zimowy",    Chwila(1919, 4, 15, 1, 59), -1, {}, {},         false, TPrzypadek::Minuty, 60},
    {"1919-12-31 23:59 letni do końca",    Chwila(1919, 12, 31, 23, 59), -1, {}, {},       false, TPrzypadek::Minuty, 120},
    // At a period's to bound the next period holds: 1923-01-01 00:00 would be
    // a skipped hour in the 1922 period.
    {"granica okresu 1923-01-01 00:00",    Chwila(1923, 1, 1),       -1, {},  {},          false, TPrzypadek::Minuty, 60},
    {"1922-12-31 23:59 jeszcze okres 1922",Chwila(1922, 12, 31, 23, 59), -1, {}, {},       false, TPrzypadek::Minuty, 60},
    {"1944: Polska lub okupacja",          Chwila(1944, 7, 1, 12),   1,  {},  {1, 8},      false, TPrzypadek::Minuty, 120},
    {"1944: okupacja niemiecka",           Chwila(1944, 10, 2, 12),  8,  {},  {1, 8},      false, TPrzypadek::Minuty, 60},
    {"Białoruś 1918-05-31 01:00 pominięta",Chwila(1918, 5, 31, 1),   6,  {},  zabory,      false, TPrzypadek::PominietaGodzina, 0},
    {"Ukraina 1918-06-01: +2h lata",       Chwila(1918, 6, 1, 12),   7,  {},  zabory,      false, TPrzypadek::Minuty, 242},
    {"zabór niemiecki 1916-04-30 23:30",   Chwila(1916, 4, 30, 23, 30), 3, {}, zabory,     false, TPrzypadek::PominietaGodzina, 0},
    {"zabór niemiecki 1916-05-01 00:00",   Chwila(1916, 5, 1),       3,  {},  zabory,      false, TPrzypadek::Minuty, 120},
  };
  // clang-format on
  for (const TPrzypadek& p : przypadki) {
    SCOPED_TRACE(p.opis);
    TSkryptUzytkownika uzytkownik;
    uzytkownik.WybranyObszar = p.wybor;
    uzytkownik.Podane =
        p.podane ? TPodanePrzesuniecie{*p.podane, false} : TPodanePrzesuniecie{0, true};
    const TDialogiStref dialogi = uzytkownik.Dialogi();

    if (p.wynik == TPrzypadek::PominietaGodzina) {
      EXPECT_THROW(UstalPrzesuniecieGMT(p.moment, dialogi), TBladKonwersjiCzasu);
      EXPECT_EQ(uzytkownik.Komunikaty,
                std::vector<std::string>{std::string(KomunikatPominietaGodzina)});
    } else {
      const TUstalonePrzesuniecie wynik = UstalPrzesuniecieGMT(p.moment, dialogi);
      EXPECT_EQ(wynik.Anulowane, p.wynik == TPrzypadek::Anulowane);
      EXPECT_EQ(wynik.Minuty, p.minuty);
      EXPECT_TRUE(uzytkownik.Komunikaty.empty());
    }
    if (p.oferowane.empty())
      EXPECT_TRUE(uzytkownik.OferowaneObszary.empty());
    else
      EXPECT_EQ(uzytkownik.OferowaneObszary, std::vector<std::vector<std::int32_t>>{p.oferowane});
    EXPECT_EQ(uzytkownik.PytaniaOPrzesuniecie, p.pytaOPrzesuniecie ? 1 : 0);
  }
}

TEST(StrefyCzas, NieoferowanyObszarToAnulowanie) {
  TSkryptUzytkownika uzytkownik;
  uzytkownik.WybranyObszar = 4; // not among 1, 8, 9
  const auto wynik = UstalPrzesuniecieGMT(Chwila(1939, 9, 15, 12), uzytkownik.Dialogi());
  EXPECT_TRUE(wynik.Anulowane);
  EXPECT_EQ(uzytkownik.PytaniaOPrzesuniecie, 0);
}

TEST(StrefyCzas, LukaPolski1940do1943ToRegulaDomyslna) {
  EXPECT_EQ(PrzesuniecieWStrefie(1, Chwila(1942, 7, 1, 12)).Minuty, 60);
  EXPECT_FALSE(PrzesuniecieWStrefie(1, Chwila(1942, 7, 1, 12)).Nieustalone);
}

// Moments less than a millisecond apart are the same moment, also at bounds.
TEST(StrefyCzas, RownoscCoDoMilisekundy) {
  const TDataCzas koniec = Chwila(1945, 6, 1); // end of area 8's last period
  const double ms = 1.0 / 86'400'000;
  EXPECT_TRUE(PrzesuniecieWStrefie(8, koniec).Nieustalone);
  EXPECT_TRUE(PrzesuniecieWStrefie(8, {koniec.Wartosc - 0.4 * ms}).Nieustalone);
  EXPECT_EQ(PrzesuniecieWStrefie(8, {koniec.Wartosc - 1.5 * ms}).Minuty, 60);
  EXPECT_FALSE(PrzesuniecieWStrefie(8, {koniec.Wartosc - 1.5 * ms}).Nieustalone);
  EXPECT_EQ(StrefaBezWyboru({koniec.Wartosc - 0.4 * ms}), 1);
  EXPECT_FALSE(StrefyDoWyboru({koniec.Wartosc - 1.5 * ms}).empty());

  EXPECT_EQ(PorownajMomenty({1.0}, {1.0 + 0.9 * ms}), 0);
  EXPECT_LT(PorownajMomenty({1.0}, {1.0 + 1.1 * ms}), 0);
  // Before the epoch the fraction counts forward from midnight: -1.25 is
  // 29 Dec 1899 06:00, later than -1.0 (00:00 that day), earlier than 0.
  EXPECT_GT(PorownajMomenty({-1.25}, {-1.0}), 0);
  EXPECT_LT(PorownajMomenty({-1.25}, {-0.5}), 0);
  EXPECT_LT(PorownajMomenty(Chwila(1880, 1, 1), Chwila(1880, 1, 1, 0, 1)), 0);
}

TEST(StrefyCzas, MomentZmiany) {
  struct {
    int rok;
    TZmianaCzasu zmiana;
    TDataCzas oczekiwany;
  } przypadki[] = {
      {2004, {3, -1, 0, 120}, Chwila(2004, 3, 28, 2)},   // last Sunday of March
      {2009, {10, -1, 0, 180}, Chwila(2009, 10, 25, 3)}, // month ends on a Saturday
      {2006, {12, -1, 0, 0}, Chwila(2006, 12, 31)},      // month ends on a Sunday
      {2004, {2, 2, 0, 60}, Chwila(2004, 2, 8, 1)},      // second Sunday
      {2004, {8, 1, 0, 0}, Chwila(2004, 8, 1)},          // the 1st is a Sunday
      {1919, {12, 0, 31, 1440}, Chwila(1920, 1, 1)},     // minutes past the day
      {1916, {4, 0, 30, 1380}, Chwila(1916, 4, 30, 23)},
      {1990, {0, 0, 0, 0}, TDataCzas{0.0}}, // no transition
  };
  for (const auto& p : przypadki)
    EXPECT_EQ(PorownajMomenty(MomentZmiany(p.rok, p.zmiana), p.oczekiwany), 0)
        << p.rok << "-" << p.zmiana.Miesiac;
}

TEST(StrefyCzas, RodzajeRegul) {
  TOkresStrefy okres;
  okres.Standard = 60;
  for (const std::uint8_t rodzaj : {std::uint8_t{2}, RodzajNieustalony, std::uint8_t{200}}) {
    okres.Rodzaj = rodzaj;
    const auto wynik = PrzesuniecieOkresu(okres, Chwila(2000, 1, 1));
    EXPECT_TRUE(wynik.Nieustalone);
    EXPECT_EQ(wynik.Minuty, 0);
  }
  okres.Rodzaj = RodzajStaly;
  EXPECT_EQ(PrzesuniecieOkresu(okres, Chwila(2000, 1, 1)).Minuty, 60);
}

} // namespace
