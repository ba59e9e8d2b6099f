#include "json_wykresu.h"

#include <charconv>
#include <cmath>

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

void DopiszLiczbeJson(std::string& cel, double x) {
  if (!std::isfinite(x)) { // never produced by a valid chart; JSON has no NaN
    cel += "null";
    return;
  }
  char bufor[32];
  const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x); // shortest round-trip form
  cel.append(bufor, wynik.ptr);
}

namespace {

void DopiszCalkowita(std::string& cel, long long x) {
  char bufor[24];
  const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x);
  cel.append(bufor, wynik.ptr);
}

void DopiszLogiczna(std::string& cel, bool b) {
  cel += b ? "true" : "false";
}

void DopiszKlucz(std::string& cel, std::string_view klucz) {
  cel += '"';
  cel += klucz;
  cel += "\":";
}

template <typename T, int N, typename F>
void DopiszTablice(std::string& cel, std::string_view klucz, const TTablicaOd1<T, N>& t,
                   F dopiszElement) {
  DopiszKlucz(cel, klucz);
  cel += '[';
  for (int i = 1; i <= N; ++i) {
    if (i > 1)
      cel += ',';
    dopiszElement(cel, t[i]);
  }
  cel += "],";
}

void DopiszPozycje(std::string& cel, const TPozycjaWZnaku& p) {
  cel += "{\"Znak\":";
  DopiszCalkowita(cel, p.Znak);
  cel += ",\"Stopien\":";
  DopiszLiczbeJson(cel, p.Stopien);
  cel += '}';
}

void DopiszAspekt(std::string& cel, const TAspekt& a) {
  cel += "{\"Rodzaj\":";
  DopiszCalkowita(cel, a.Rodzaj);
  cel += ",\"Odchylenie\":";
  DopiszLiczbeJson(cel, a.Odchylenie);
  cel += ",\"Zbliza\":";
  DopiszLogiczna(cel, a.Zbliza);
  cel += '}';
}

void DopiszLiczbeEl(std::string& cel, double x) {
  DopiszLiczbeJson(cel, x);
}
void DopiszCalkowitaEl(std::string& cel, std::int32_t x) {
  DopiszCalkowita(cel, x);
}
void DopiszLogicznaEl(std::string& cel, bool x) {
  DopiszLogiczna(cel, x);
}

} // namespace

void DopiszWykresUrodzJson(std::string& cel, const TDaneKosmotypuUrodz& dane,
                           const TWykresUrodz& w) {
  cel += '{';
  DopiszKlucz(cel, "Nazwa");
  DopiszTekstJson(cel, dane.Nazwa);
  cel += ',';
  DopiszKlucz(cel, "Miejsce");
  DopiszTekstJson(cel, dane.Miejsce);
  cel += ',';
  DopiszKlucz(cel, "CzasNieznany");
  DopiszLogiczna(cel, dane.CzasNieznany);
  cel += ',';
  DopiszTablice(cel, "DlugEkl", w.DlugEkl, DopiszLiczbeEl);
  DopiszTablice(cel, "PozycjaPunktu", w.PozycjaPunktu, DopiszPozycje);
  DopiszTablice(cel, "Retro", w.Retro, DopiszLogicznaEl);
  DopiszTablice(cel, "DomPunktu", w.DomPunktu, DopiszCalkowitaEl);
  DopiszTablice(cel, "Deklinacja", w.Deklinacja, DopiszLiczbeEl);
  DopiszTablice(cel, "Wierzcholek", w.Wierzcholek, DopiszLiczbeEl);
  DopiszTablice(cel, "PozycjaDomu", w.PozycjaDomu, DopiszPozycje);
  DopiszTablice(cel, "Aspekty", w.Aspekty, DopiszAspekt);
  DopiszTablice(cel, "Paralele", w.Paralele, DopiszAspekt);
  const auto cg = obliczenia::RozkodujCzas(w.CzasGwiazdowy);
  DopiszKlucz(cel, "CzasGwiazdowy");
  const char tekst[] = {
      '"', static_cast<char>('0' + cg.Godzina / 10), static_cast<char>('0' + cg.Godzina % 10),
      ':', static_cast<char>('0' + cg.Minuta / 10),  static_cast<char>('0' + cg.Minuta % 10),
      '"'};
  cel.append(tekst, sizeof tekst);
  cel += '}';
}

void DopiszWykresPorownJson(std::string& cel, const TDaneKosmotypuUrodz& osoba1,
                            const TDaneKosmotypuUrodz& osoba2, const TWykresPorown& p) {
  cel += "{\"Wykres1\":";
  DopiszWykresUrodzJson(cel, osoba1, p.Wykres1);
  cel += ",\"Wykres2\":";
  DopiszWykresUrodzJson(cel, osoba2, p.Wykres2);
  cel += ',';
  DopiszTablice(cel, "AspektyPorown", p.AspektyPorown, DopiszAspekt);
  cel.back() = '}'; // the trailing comma of the last array
}

void DopiszBladWierszaJson(std::string& cel, std::string_view komunikat, long long wiersz) {
  cel += "{\"blad\":";
  DopiszTekstJson(cel, komunikat);
  cel += ",\"wiersz\":";
  DopiszCalkowita(cel, wiersz);
  cel += '}';
}

} // namespace wiersz_polecen
