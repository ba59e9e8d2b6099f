// kosmotyp-oblicz wsadowo: CSV birth data in, one JSON chart per line out,
// streaming with constant memory.
#include "dane_urodz.h"
#include "json_wykresu.h"
#include "polecenia.h"

#include <istream>
#include <ostream>

namespace wiersz_polecen {

namespace {

constexpr std::size_t MaksDlugoscWiersza = 4096;
constexpr std::size_t ProgWypisania = 1 << 16;

std::string PomocWsadowo() {
  return "Użycie: kosmotyp-oblicz wsadowo < dane.csv > wykresy.jsonl\n\n"
         "Czyta ze standardowego wejścia wiersze CSV\n"
         "  data,czas,przes,dlug,szer\n"
         "(nagłówek w pierwszym wierszu jest opcjonalny; puste pole czas = godzina\n"
         "nieznana; zakresy jak w poleceniu urodz) i dla każdego wiersza wypisuje jeden\n"
         "wiersz JSON (JSON Lines) w kolejności wejścia. Wiersz z błędem daje\n"
         "  {\"blad\":\"…\",\"wiersz\":N}\n"
         "(N to numer wiersza wejścia, od 1) i przetwarzanie trwa dalej. Puste wiersze\n"
         "są pomijane. Dane płyną strumieniem: pamięć nie rośnie z liczbą wierszy.\n\n"
         "Przykład:\n"
         "  printf 'data,czas,przes,dlug,szer\\n1980-05-17,14:25,120,-1257,3014\\n' |\n"
         "      kosmotyp-oblicz wsadowo\n\n"
         "Kody wyjścia: 0 — przeczytano całe wejście (także gdy niektóre wiersze miały\n"
         "błędy); 1 — błąd zapisu wyniku; 2 — błędne opcje.\n";
}

enum class TStanWiersza { Wiersz, ZaDlugi, Koniec };

// One line without its end; a line longer than the limit is skipped to its end.
TStanWiersza CzytajWiersz(std::istream& we, std::string& wiersz) {
  wiersz.clear();
  auto* bufor = we.rdbuf();
  bool zaDlugi = false;
  for (;;) {
    const int c = bufor->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      if (wiersz.empty() && !zaDlugi)
        return TStanWiersza::Koniec;
      break;
    }
    if (c == '\n')
      break;
    if (wiersz.size() < MaksDlugoscWiersza)
      wiersz += static_cast<char>(c);
    else
      zaDlugi = true;
  }
  return zaDlugi ? TStanWiersza::ZaDlugi : TStanWiersza::Wiersz;
}

bool CzyNaglowek(std::string_view wiersz) {
  const auto przecinek = wiersz.find(',');
  const std::string_view pierwsze = Przytnij(wiersz.substr(0, przecinek));
  if (pierwsze.size() != 4) // "data"
    return false;
  std::string male(pierwsze);
  for (char& c : male)
    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return male == "data";
}

// The error text of a line, or empty when the chart was written.
std::string PrzetworzWiersz(std::string_view wiersz, std::string& wyjscie) {
  std::string_view pola[5];
  std::size_t liczba = 0, poczatek = 0;
  while (true) {
    const auto przecinek = wiersz.find(',', poczatek);
    if (liczba < 5)
      pola[liczba] = wiersz.substr(poczatek, przecinek - poczatek);
    ++liczba;
    if (przecinek == std::string_view::npos)
      break;
    poczatek = przecinek + 1;
  }
  if (liczba != 5)
    return "oczekiwano 5 pól data,czas,przes,dlug,szer, jest " + std::to_string(liczba) + ".";
  const auto dane =
      ParsujDaneUrodz({std::string(pola[0]), std::string(pola[1]), std::string(pola[2]),
                       std::string(pola[3]), std::string(pola[4]), std::nullopt, std::nullopt},
                      NazwyKolumn);
  if (!dane)
    return dane.Blad.Komunikat;
  const auto wykres = wykres::ObliczWykresUrodz(*dane);
  if (!wykres)
    return wykres.Blad.Komunikat;
  DopiszWykresUrodzJson(wyjscie, *dane, *wykres);
  wyjscie += '\n';
  return {};
}

int WykonajWsadowo(TKontekst& k) {
  if (!k.Argumenty.empty())
    return ZglosBlad(k,
                     "polecenie wsadowo nie przyjmuje opcji (jest „" +
                         TekstDoKomunikatu(k.Argumenty[0]) +
                         "”); dane czyta ze standardowego wejścia.",
                     KodBladDanych);
  std::string wiersz, wyjscie;
  wyjscie.reserve(2 * ProgWypisania);
  long long numer = 0;
  bool pierwszy = true;
  for (;;) {
    const TStanWiersza stan = CzytajWiersz(k.We, wiersz);
    if (stan == TStanWiersza::Koniec)
      break;
    ++numer;
    if (!wiersz.empty() && wiersz.back() == '\r')
      wiersz.pop_back();
    // Spreadsheets often save UTF-8 with a byte order mark, header or not.
    if (numer == 1 && wiersz.starts_with("\xEF\xBB\xBF"))
      wiersz.erase(0, 3);
    if (stan == TStanWiersza::ZaDlugi) {
      DopiszBladWierszaJson(
          wyjscie, "wiersz dłuższy niż " + std::to_string(MaksDlugoscWiersza) + " bajtów.", numer);
      wyjscie += '\n';
    } else if (Przytnij(wiersz).empty()) {
      // blank lines carry no record
    } else if (pierwszy && CzyNaglowek(wiersz)) {
      // the optional header
    } else if (auto blad = PrzetworzWiersz(wiersz, wyjscie); !blad.empty()) {
      DopiszBladWierszaJson(wyjscie, blad, numer);
      wyjscie += '\n';
    }
    if (!Przytnij(wiersz).empty())
      pierwszy = false;
    // Write out when the buffer is full or before waiting for more input, so a
    // caller feeding one line at a time gets its answer at once.
    if (wyjscie.size() >= ProgWypisania || k.We.rdbuf()->in_avail() <= 0) {
      k.Wy.write(wyjscie.data(), static_cast<std::streamsize>(wyjscie.size()));
      k.Wy.flush();
      wyjscie.clear();
      if (!k.Wy)
        return ZglosBlad(k, "nie udało się zapisać wyniku na standardowe wyjście.",
                         KodBladObliczen);
    }
  }
  k.Wy.write(wyjscie.data(), static_cast<std::streamsize>(wyjscie.size()));
  k.Wy.flush();
  if (!k.Wy)
    return ZglosBlad(k, "nie udało się zapisać wyniku na standardowe wyjście.", KodBladObliczen);
  return KodSukces;
}

} // namespace

extern const TPolecenie PolecenieWsadowo = {
    "wsadowo", "wiele wykresów urodzeniowych: CSV na wejściu, JSON Lines na wyjściu", PomocWsadowo,
    WykonajWsadowo};

} // namespace wiersz_polecen
