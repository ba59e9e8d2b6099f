// The rules against tzdata's Europe/Warsaw, hour by hour of local time.
#include "strefy_czas.h"

#include <QTimeZone>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace strefy;
using obliczenia::TDataKalendarzowa;

namespace {

constexpr std::int64_t MsNaDobe = 86'400'000;
constexpr std::int64_t DniEpokiUnix = 25'569; // 1899-12-30 .. 1970-01-01

// Offsets of Europe/Warsaw in whole minutes, looked up by UTC instant.
class TWarszawa {
public:
  TWarszawa() : strefa("Europe/Warsaw") {
    if (!strefa.isValid())
      return;
    const QDateTime od(QDate(1870, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime doChwili(QDate(2052, 1, 1), QTime(0, 0), Qt::UTC);
    Poczatkowe = strefa.offsetFromUtc(od) / 60;
    for (const auto& przejscie : strefa.transitions(od, doChwili))
      Przejscia.emplace_back(przejscie.atUtc.toMSecsSinceEpoch(), przejscie.offsetFromUtc / 60);
    // Past the last stored transition Qt 6.4 lists none, though offsetFromUtc
    // follows the zone's closing rule: find those changes day by day, then
    // to the millisecond by halving.
    std::int64_t chwila = Przejscia.empty() ? od.toMSecsSinceEpoch() : Przejscia.back().first;
    int biezace = Przejscia.empty() ? Poczatkowe : Przejscia.back().second;
    for (; chwila < doChwili.toMSecsSinceEpoch(); chwila += MsNaDobe) {
      if (Bezposrednio(chwila + MsNaDobe) == biezace)
        continue;
      std::int64_t przed = chwila, po = chwila + MsNaDobe;
      while (po - przed > 1) {
        const std::int64_t srodek = przed + (po - przed) / 2;
        (Bezposrednio(srodek) == biezace ? przed : po) = srodek;
      }
      biezace = Bezposrednio(po);
      Przejscia.emplace_back(po, biezace);
    }
    for (const auto& [chwila, minuty] : Przejscia)
      Uzywane.insert(minuty);
    Uzywane.insert(Poczatkowe);
  }
  bool Dostepna() const { return !Przejscia.empty(); }

  // Straight from Qt, slow: for checking the table and filling it.
  int Bezposrednio(std::int64_t msUtc) const {
    return strefa.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(msUtc, Qt::UTC)) / 60;
  }

  int Przesuniecie(std::int64_t msUtc) const {
    const auto za = std::upper_bound(Przejscia.begin(), Przejscia.end(),
                                     std::make_pair(msUtc, std::numeric_limits<int>::max()));
    return za == Przejscia.begin() ? Poczatkowe : std::prev(za)->second;
  }

  // Offsets under which this local time (ms since 1970 as if it were UTC)
  // exists: none for a skipped time, two for a repeated one.
  std::vector<int> MozliwePrzesuniecia(std::int64_t msLokalnie) const {
    std::vector<int> wynik;
    for (const int minuty : Uzywane)
      if (Przesuniecie(msLokalnie - minuty * 60'000LL) == minuty)
        wynik.push_back(minuty);
    return wynik;
  }

private:
  QTimeZone strefa;
  int Poczatkowe = 0;
  std::vector<std::pair<std::int64_t, int>> Przejscia;
  std::set<int> Uzywane;
};

const TWarszawa& Warszawa() {
  static const TWarszawa w;
  return w;
}

// The area Warsaw lay in.
std::int32_t StrefaWarszawy(TDataCzas moment) {
  using obliczenia::ZakodujDateCzas;
  if (PorownajMomenty(moment, ZakodujDateCzas({1918, 11, 1})) < 0)
    return 4;
  if (PorownajMomenty(moment, ZakodujDateCzas({1939, 9, 1})) < 0)
    return 1;
  if (PorownajMomenty(moment, ZakodujDateCzas({1945, 6, 1})) < 0)
    return 8;
  return 1;
}

// The rules' offset for a local hour, nothing for a skipped hour.
std::optional<int> PrzesuniecieZRegul(std::int32_t strefa, TDataCzas moment) {
  try {
    const auto wynik = PrzesuniecieWStrefie(strefa, moment);
    if (wynik.Nieustalone)
      return std::nullopt;
    return wynik.Minuty;
  } catch (const TBladKonwersjiCzasu&) {
    return std::nullopt;
  }
}

TDataCzas GodzinaLokalna(std::int64_t dzien, int godzina) {
  return obliczenia::DataCzasZMilisekund(dzien * MsNaDobe + godzina * 3'600'000LL);
}
std::int64_t MsLokalnieOd1970(std::int64_t dzien, int godzina) {
  return (dzien - DniEpokiUnix) * MsNaDobe + godzina * 3'600'000LL;
}

TEST(StrefyTzdata, Od1996Do2050GodzinaPoGodzinie) {
  if (!Warszawa().Dostepna())
    GTEST_SKIP() << "no Europe/Warsaw in the system's time-zone database";
  TDialogiStref bezPytan;
  bezPytan.WybierzObszar = [](const std::vector<TOpisStrefy>&) {
    ADD_FAILURE() << "no choice is needed after 1945";
    return -1;
  };
  bezPytan.PodajPrzesuniecie = [] {
    ADD_FAILURE() << "the rules settle every hour after 1945";
    return TPodanePrzesuniecie{0, true};
  };
  bezPytan.PokazKomunikat = [](std::string_view) {};

  const std::int64_t pierwszy = obliczenia::DniOdEpoki({1996, 1, 1});
  const std::int64_t ostatni = obliczenia::DniOdEpoki({2050, 12, 31});
  int godzin = 0, pominietych = 0, powtorzonych = 0, roznic = 0;
  for (std::int64_t dzien = pierwszy; dzien <= ostatni; ++dzien) {
    for (int godzina = 0; godzina < 24; ++godzina) {
      const TDataCzas moment = GodzinaLokalna(dzien, godzina);
      const std::vector<int> mozliwe =
          Warszawa().MozliwePrzesuniecia(MsLokalnieOd1970(dzien, godzina));
      ++godzin;
      if (godzin % 97 == 0) {
        const std::int64_t ms = MsLokalnieOd1970(dzien, godzina) - 60 * 60'000LL;
        ASSERT_EQ(Warszawa().Przesuniecie(ms), Warszawa().Bezposrednio(ms))
            << dzien << " " << godzina;
      }
      if (mozliwe.empty()) {
        ++pominietych;
        EXPECT_THROW(UstalPrzesuniecieGMT(moment, bezPytan), TBladKonwersjiCzasu)
            << obliczenia::RozkodujDate(moment).Rok << " day " << dzien << " " << godzina << ":00";
        continue;
      }
      // A repeated hour counts as its first occurrence: summer time.
      if (mozliwe.size() > 1)
        ++powtorzonych;
      const int oczekiwane = *std::max_element(mozliwe.begin(), mozliwe.end());
      std::optional<int> reguly;
      try {
        reguly = UstalPrzesuniecieGMT(moment, bezPytan).Minuty;
      } catch (const TBladKonwersjiCzasu&) {
      }
      if (reguly != oczekiwane && ++roznic <= 10) {
        const auto data = obliczenia::RozkodujDate(moment);
        ADD_FAILURE() << data.Rok << "-" << data.Miesiac << "-" << data.Dzien << " " << godzina
                      << ":00: rules " << (reguly ? std::to_string(*reguly) : "skipped")
                      << ", tzdata " << oczekiwane;
      }
    }
  }
  std::printf("1996-2050: %d local hours, %d skipped, %d repeated, %d differ\n", godzin,
              pominietych, powtorzonych, roznic);
  EXPECT_EQ(roznic, 0);
  EXPECT_EQ(pominietych, 55);
  EXPECT_EQ(powtorzonych, 55);
}

// Before 1996 the rules keep their own history; this lists where it departs
// from tzdata (for the record, not as a failure).
TEST(StrefyTzdata, LataPrzed1996GdzieRegulyRoznia) {
  if (!Warszawa().Dostepna())
    GTEST_SKIP() << "no Europe/Warsaw in the system's time-zone database";
  struct TRoznica {
    int godzin = 0;
    TDataCzas pierwsza, ostatnia;
    std::map<std::pair<int, int>, int> pary; // (rules, tzdata) -> hours; -1: no such hour
  };
  std::map<std::pair<int, std::int32_t>, TRoznica> lata; // (year, area)
  const std::int64_t pierwszy = obliczenia::DniOdEpoki({1880, 1, 1});
  const std::int64_t ostatni = obliczenia::DniOdEpoki({1995, 12, 31});
  for (std::int64_t dzien = pierwszy; dzien <= ostatni; ++dzien) {
    for (int godzina = 0; godzina < 24; ++godzina) {
      const TDataCzas moment = GodzinaLokalna(dzien, godzina);
      const std::int32_t strefa = StrefaWarszawy(moment);
      const std::optional<int> reguly = PrzesuniecieZRegul(strefa, moment);
      const std::vector<int> mozliwe =
          Warszawa().MozliwePrzesuniecia(MsLokalnieOd1970(dzien, godzina));
      const int tz = mozliwe.empty() ? -1 : *std::max_element(mozliwe.begin(), mozliwe.end());
      const int r = reguly.value_or(-1);
      if (r == tz)
        continue;
      TRoznica& rok = lata[{obliczenia::RozkodujDate(moment).Rok, strefa}];
      if (rok.godzin++ == 0)
        rok.pierwsza = moment;
      rok.ostatnia = moment;
      ++rok.pary[{r, tz}];
    }
  }
  const auto tekst = [](TDataCzas dc) {
    const auto d = obliczenia::RozkodujDate(dc);
    const auto c = obliczenia::RozkodujCzas(dc);
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%04d-%02d-%02d %02d:00", d.Rok, d.Miesiac, d.Dzien,
                  c.Godzina);
    return std::string(bufor);
  };
  std::printf("Local hours where the rules for Warsaw's area differ from tzdata"
              " (offsets in minutes, -1: the hour does not exist or is not settled):\n");
  for (const auto& [klucz, roznica] : lata) {
    std::printf("%d area %d: %d h from %s to %s:", klucz.first, klucz.second, roznica.godzin,
                tekst(roznica.pierwsza).c_str(), tekst(roznica.ostatnia).c_str());
    for (const auto& [para, godzin] : roznica.pary)
      std::printf(" rules %d / tzdata %d x %d h;", para.first, para.second, godzin);
    std::printf("\n");
  }
  SUCCEED();
}

} // namespace
