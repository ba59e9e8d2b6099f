#include "dane_urodz.h"

#include <charconv>

namespace wiersz_polecen {

using wykres::Porazka;
using wykres::Sukces;

std::string_view Przytnij(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
    t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r'))
    t.remove_suffix(1);
  return t;
}

namespace {

std::string Cytat(std::string_view t) {
  return "„" + TekstDoKomunikatu(t) + "”";
}

// Digits only (no sign), 1..maxCyfr of them.
bool CzytajCyfry(std::string_view t, int maxCyfr, int& wartosc) {
  if (t.empty() || static_cast<int>(t.size()) > maxCyfr)
    return false;
  wartosc = 0;
  for (char c : t) {
    if (c < '0' || c > '9')
      return false;
    wartosc = wartosc * 10 + (c - '0');
  }
  return true;
}

std::string Pole(std::string_view p) {
  return std::string(p);
}

} // namespace

TWynik<std::int32_t> ParsujLiczbe(std::string_view tekst, std::string_view pole, std::int32_t min,
                                  std::int32_t max, std::string_view jednostka) {
  const std::string_view t = Przytnij(tekst);
  const std::string zakres = "dozwolone liczby całkowite od " + std::to_string(min) + " do " +
                             std::to_string(max) + " (" + std::string(jednostka) + ").";
  std::string_view cyfry = t;
  if (!cyfry.empty() && cyfry.front() == '+')
    cyfry.remove_prefix(1); // from_chars takes '-' but not '+'
  long long v = 0;
  const auto [koniec, blad] = std::from_chars(cyfry.data(), cyfry.data() + cyfry.size(), v);
  if (cyfry.empty() || (cyfry.front() == '-' && t.front() == '+') ||
      blad == std::errc::invalid_argument || koniec != cyfry.data() + cyfry.size())
    return Porazka<std::int32_t>(Pole(pole) + ": " + Cytat(t) + " nie jest liczbą całkowitą; " +
                                 zakres);
  if (blad == std::errc::result_out_of_range || v < min || v > max)
    return Porazka<std::int32_t>(Pole(pole) + ": wartość " + Cytat(t) + " poza zakresem; " +
                                 zakres);
  return Sukces(static_cast<std::int32_t>(v));
}

TWynik<obliczenia::TDataKalendarzowa> ParsujDate(std::string_view tekst, std::string_view pole) {
  const std::string_view t = Przytnij(tekst);
  const std::string oczekiwana = "oczekiwano RRRR-MM-DD z rokiem od " + std::to_string(RokMin) +
                                 " do " + std::to_string(RokMax) + ".";
  const auto m1 = t.find('-');
  const auto m2 = m1 == std::string_view::npos ? m1 : t.find('-', m1 + 1);
  int rok = 0, miesiac = 0, dzien = 0;
  if (m2 == std::string_view::npos || !CzytajCyfry(t.substr(0, m1), 4, rok) || m1 != 4 ||
      !CzytajCyfry(t.substr(m1 + 1, m2 - m1 - 1), 2, miesiac) ||
      !CzytajCyfry(t.substr(m2 + 1), 2, dzien))
    return Porazka<obliczenia::TDataKalendarzowa>(Pole(pole) + ": " + Cytat(t) +
                                                  " nie jest datą; " + oczekiwana);
  if (rok < RokMin || rok > RokMax)
    return Porazka<obliczenia::TDataKalendarzowa>(Pole(pole) + ": rok " + std::to_string(rok) +
                                                  " poza zakresem " + std::to_string(RokMin) +
                                                  ".." + std::to_string(RokMax) + ".");
  if (miesiac < 1 || miesiac > 12)
    return Porazka<obliczenia::TDataKalendarzowa>(
        Pole(pole) + ": miesiąc " + std::to_string(miesiac) + " poza zakresem 1..12.");
  const int dni = obliczenia::DniWMiesiacu(rok, miesiac);
  if (dzien < 1 || dzien > dni)
    return Porazka<obliczenia::TDataKalendarzowa>(
        Pole(pole) + ": dzień " + std::to_string(dzien) + " poza zakresem 1.." +
        std::to_string(dni) + " dla miesiąca " + std::to_string(miesiac) + " roku " +
        std::to_string(rok) + " (kalendarz gregoriański).");
  return Sukces(obliczenia::TDataKalendarzowa{rok, miesiac, dzien});
}

TWynik<obliczenia::TCzasZegarowy> ParsujCzas(std::string_view tekst, std::string_view pole) {
  const std::string_view t = Przytnij(tekst);
  const auto dwukropek = t.find(':');
  int godzina = 0, minuta = 0;
  if (dwukropek == std::string_view::npos || !CzytajCyfry(t.substr(0, dwukropek), 2, godzina) ||
      t.size() - dwukropek - 1 != 2 || !CzytajCyfry(t.substr(dwukropek + 1), 2, minuta) ||
      godzina > 23 || minuta > 59)
    return Porazka<obliczenia::TCzasZegarowy>(Pole(pole) + ": " + Cytat(t) +
                                              " nie jest godziną; oczekiwano GG:MM od 00:00 "
                                              "do 23:59.");
  return Sukces(obliczenia::TCzasZegarowy{godzina, minuta});
}

TPolaUrodz PolaZOpcji(const TOpcje& opcje) {
  auto pole = [&](std::string_view nazwa) -> std::optional<std::string> {
    const auto it = opcje.find(nazwa);
    if (it == opcje.end())
      return std::nullopt;
    return it->second;
  };
  return {pole("--data"), pole("--czas"),  pole("--przes"),  pole("--dlug"),
          pole("--szer"), pole("--nazwa"), pole("--miejsce")};
}

TWynik<TDaneKosmotypuUrodz> ParsujDaneUrodz(const TPolaUrodz& pola, const TNazwyPol& nazwy) {
  auto brak = [](std::string_view nazwa, std::string_view postac) {
    return Porazka<TDaneKosmotypuUrodz>("brak pola " + std::string(nazwa) + " (" +
                                        std::string(postac) + ").");
  };
  if (!pola.Data)
    return brak(nazwy.Data, "RRRR-MM-DD");
  const auto data = ParsujDate(*pola.Data, nazwy.Data);
  if (!data)
    return Porazka<TDaneKosmotypuUrodz>(data.Blad.Komunikat);

  TDaneKosmotypuUrodz dane;
  obliczenia::TCzasZegarowy czas{};
  dane.CzasNieznany = !pola.Czas || Przytnij(*pola.Czas).empty();
  if (!dane.CzasNieznany) {
    const auto c = ParsujCzas(*pola.Czas, nazwy.Czas);
    if (!c)
      return Porazka<TDaneKosmotypuUrodz>(c.Blad.Komunikat);
    czas = *c;
  }
  dane.DataCzas = obliczenia::ZakodujDateCzas(*data, czas);

  struct {
    const std::optional<std::string>& tekst;
    std::string_view nazwa;
    std::int32_t max;
    std::string_view jednostka;
    std::int32_t& cel;
  } liczby[] = {
      {pola.Przes, nazwy.Przes, PrzesMax, "minuty, na wschód od Greenwich dodatnie", dane.PrzesGMT},
      {pola.Dlug, nazwy.Dlug, DlugMax, "minuty łuku, długość zachodnia dodatnia", dane.Dlug},
      {pola.Szer, nazwy.Szer, SzerMax, "minuty łuku, szerokość północna dodatnia", dane.Szer},
  };
  for (auto& l : liczby) {
    if (!l.tekst)
      return brak(l.nazwa,
                  "liczba całkowita od " + std::to_string(-l.max) + " do " + std::to_string(l.max));
    const auto v = ParsujLiczbe(*l.tekst, l.nazwa, -l.max, l.max, l.jednostka);
    if (!v)
      return Porazka<TDaneKosmotypuUrodz>(v.Blad.Komunikat);
    l.cel = *v;
  }

  const std::pair<const std::optional<std::string>*, std::string_view> teksty[] = {
      {&pola.Nazwa, nazwy.Nazwa}, {&pola.Miejsce, nazwy.Miejsce}};
  for (const auto& [tekst, nazwa] : teksty)
    if (*tekst && !CzyPoprawneUtf8(**tekst))
      return Porazka<TDaneKosmotypuUrodz>(std::string(nazwa) + ": tekst nie jest poprawnym UTF-8.");
  dane.Nazwa = pola.Nazwa.value_or("");
  dane.Miejsce = pola.Miejsce.value_or("");
  return Sukces(std::move(dane));
}

} // namespace wiersz_polecen
