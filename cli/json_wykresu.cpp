#include "json_wykresu.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace wiersz_polecen {

using namespace wykres;

void DopiszTekstJson(std::string& cel, std::string_view t) {
  static constexpr char Hex[] = "0123456789abcdef";
  cel += '"';
  for (char znak : t) {
    const auto c = static_cast<unsigned char>(znak);
    switch (c) {
    case '"':
      cel += "\\\"";
      break;
    case '\\':
      cel += "\\\\";
      break;
    case '\n':
      cel += "\\n";
      break;
    case '\r':
      cel += "\\r";
      break;
    case '\t':
      cel += "\\t";
      break;
    default:
      if (c < 0x20 || c == 0x7F) {
        cel += "\\u00";
        cel += Hex[c >> 4];
        cel += Hex[c & 15];
      } else {
        cel += znak;
      }
    }
  }
  cel += '"';
}

namespace {

// Writes into a buffer known to be large enough: the batch writes a chart per
// line, and growing a string piece by piece was a fifth of its time.
struct TPisarz {
  char* p;

  template <std::size_t N> void Tekst(const char (&s)[N]) {
    std::memcpy(p, s, N - 1);
    p += N - 1;
  }
  void Znak(char c) { *p++ = c; }
  void Liczba(double x) {
    if (!std::isfinite(x)) { // never produced by a valid chart; JSON has no NaN
      Tekst("null");
      return;
    }
    p = std::to_chars(p, p + 32, x).ptr; // shortest form that reads back the same double
  }
  void Calkowita(long long x) { p = std::to_chars(p, p + 24, x).ptr; }
  void Logiczna(bool b) {
    if (b)
      Tekst("true");
    else
      Tekst("false");
  }
  void Pozycja(const TPozycjaWZnaku& z) {
    Tekst("{\"Znak\":");
    Calkowita(z.Znak);
    Tekst(",\"Stopien\":");
    Liczba(z.Stopien);
    Znak('}');
  }
  void Aspekt(const TAspekt& a) {
    if (a.Rodzaj == -1 && a.Odchylenie == 0.0 && !a.Zbliza) { // most slots
      Tekst("{\"Rodzaj\":-1,\"Odchylenie\":0,\"Zbliza\":false}");
      return;
    }
    Tekst("{\"Rodzaj\":");
    Calkowita(a.Rodzaj);
    Tekst(",\"Odchylenie\":");
    Liczba(a.Odchylenie);
    Tekst(",\"Zbliza\":");
    Logiczna(a.Zbliza);
    Znak('}');
  }
  template <typename T, int N, typename F>
  void Tablica(const char* klucz, const TTablicaOd1<T, N>& t, F element) {
    Znak('"');
    const std::size_t n = std::strlen(klucz);
    std::memcpy(p, klucz, n);
    p += n;
    Tekst("\":[");
    for (int i = 1; i <= N; ++i) {
      if (i > 1)
        Znak(',');
      (this->*element)(t[i]);
    }
    Tekst("],");
  }
};

// Upper bounds of one element: a double takes at most 24 characters.
constexpr std::size_t MaksLiczby = 24, MaksPozycji = 24 + MaksLiczby, MaksAspektu = 48 + MaksLiczby;
constexpr std::size_t MaksWykresu = 512 + 12 * (MaksLiczby + 1) + 12 * (MaksPozycji + 1) + 12 * 6 +
                                    12 * 4 + 14 * (MaksLiczby + 1) + 6 * (MaksLiczby + 1) +
                                    12 * (MaksPozycji + 1) + 2 * 90 * (MaksAspektu + 1);

// Opens room for at most `ile` characters at the end of `cel`.
char* Miejsce(std::string& cel, std::size_t ile) {
  const std::size_t stary = cel.size();
  cel.resize(stary + ile);
  return cel.data() + stary;
}
void Zamknij(std::string& cel, const char* koniec) {
  cel.resize(static_cast<std::size_t>(koniec - cel.data()));
}

} // namespace

void DopiszLiczbeJson(std::string& cel, double x) {
  TPisarz w{Miejsce(cel, MaksLiczby)};
  w.Liczba(x);
  Zamknij(cel, w.p);
}

void DopiszWykresUrodzJson(std::string& cel, const TDaneKosmotypuUrodz& dane,
                           const TWykresUrodz& w) {
  cel += "{\"Nazwa\":";
  DopiszTekstJson(cel, dane.Nazwa);
  cel += ",\"Miejsce\":";
  DopiszTekstJson(cel, dane.Miejsce);
  TPisarz p{Miejsce(cel, MaksWykresu)};
  p.Tekst(",\"CzasNieznany\":");
  p.Logiczna(dane.CzasNieznany);
  p.Znak(',');
  p.Tablica("DlugEkl", w.DlugEkl, &TPisarz::Liczba);
  p.Tablica("PozycjaPunktu", w.PozycjaPunktu, &TPisarz::Pozycja);
  p.Tablica("Retro", w.Retro, &TPisarz::Logiczna);
  p.Tablica("DomPunktu", w.DomPunktu, &TPisarz::Calkowita);
  p.Tablica("Deklinacja", w.Deklinacja, &TPisarz::Liczba);
  p.Tablica("Wierzcholek", w.Wierzcholek, &TPisarz::Liczba);
  p.Tablica("PozycjaDomu", w.PozycjaDomu, &TPisarz::Pozycja);
  p.Tablica("Aspekty", w.Aspekty, &TPisarz::Aspekt);
  p.Tablica("Paralele", w.Paralele, &TPisarz::Aspekt);
  const auto cg = obliczenia::RozkodujCzas(w.CzasGwiazdowy);
  p.Tekst("\"CzasGwiazdowy\":\"");
  p.Znak(static_cast<char>('0' + cg.Godzina / 10));
  p.Znak(static_cast<char>('0' + cg.Godzina % 10));
  p.Znak(':');
  p.Znak(static_cast<char>('0' + cg.Minuta / 10));
  p.Znak(static_cast<char>('0' + cg.Minuta % 10));
  p.Tekst("\"}");
  Zamknij(cel, p.p);
}

void DopiszWykresPorownJson(std::string& cel, const TDaneKosmotypuUrodz& osoba1,
                            const TDaneKosmotypuUrodz& osoba2, const TWykresPorown& porown) {
  cel += "{\"Wykres1\":";
  DopiszWykresUrodzJson(cel, osoba1, porown.Wykres1);
  cel += ",\"Wykres2\":";
  DopiszWykresUrodzJson(cel, osoba2, porown.Wykres2);
  cel += ',';
  TPisarz p{Miejsce(cel, 64 + LiczbaSlotowPorown * (MaksAspektu + 1))};
  p.Tablica("AspektyPorown", porown.AspektyPorown, &TPisarz::Aspekt);
  p.p[-1] = '}'; // in place of the comma after the last array
  Zamknij(cel, p.p);
}

void DopiszBladWierszaJson(std::string& cel, std::string_view komunikat, long long wiersz) {
  cel += "{\"blad\":";
  DopiszTekstJson(cel, komunikat);
  TPisarz p{Miejsce(cel, 40)};
  p.Tekst(",\"wiersz\":");
  p.Calkowita(wiersz);
  p.Znak('}');
  Zamknij(cel, p.p);
}

} // namespace wiersz_polecen
