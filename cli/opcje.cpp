#include "opcje.h"

namespace wiersz_polecen {

bool CzyPoprawneUtf8(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size()) {
    const auto c = static_cast<unsigned char>(t[i]);
    int dalej;
    unsigned kod;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      dalej = 1;
      kod = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      dalej = 2;
      kod = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      dalej = 3;
      kod = c & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(dalej) >= t.size())
      return false;
    for (int k = 1; k <= dalej; ++k) {
      const auto n = static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]);
      if ((n & 0xC0) != 0x80)
        return false;
      kod = (kod << 6) | (n & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    if ((dalej == 2 && kod < 0x800) || (dalej == 3 && (kod < 0x10000 || kod > 0x10FFFF)) ||
        (kod >= 0xD800 && kod <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(dalej) + 1;
  }
  return true;
}

std::string TekstDoKomunikatu(std::string_view tekst) {
  constexpr std::size_t Limit = 40;
  std::string wynik;
  const bool utf8 = CzyPoprawneUtf8(tekst);
  std::size_t znaki = 0;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    const auto c = static_cast<unsigned char>(tekst[i]);
    if ((c & 0xC0) != 0x80 && ++znaki > Limit) {
      wynik += "…";
      break;
    }
    if (c < 0x20 || c == 0x7F || (!utf8 && c >= 0x80))
      wynik += '?';
    else
      wynik += static_cast<char>(c);
  }
  return wynik;
}

TWynik<TOpcje> ParsujOpcje(const std::vector<std::string>& argumenty,
                           std::span<const TSpecyfikacjaOpcji> dozwolone) {
  TOpcje opcje;
  auto znajdz = [&](std::string_view nazwa) -> const TSpecyfikacjaOpcji* {
    for (const auto& s : dozwolone)
      if (s.Nazwa == nazwa)
        return &s;
    return nullptr;
  };
  for (std::size_t i = 0; i < argumenty.size(); ++i) {
    const std::string& a = argumenty[i];
    if (a.size() < 3 || a.compare(0, 2, "--") != 0)
      return wykres::Porazka<TOpcje>("nieoczekiwany argument „" + TekstDoKomunikatu(a) +
                                     "”; opcje mają postać --nazwa WARTOŚĆ.");
    const auto rownasie = a.find('=');
    const std::string nazwa = a.substr(0, rownasie);
    const TSpecyfikacjaOpcji* spec = znajdz(nazwa);
    if (!spec) {
      std::string lista;
      for (const auto& s : dozwolone)
        lista += (lista.empty() ? "" : ", ") + std::string(s.Nazwa);
      return wykres::Porazka<TOpcje>("nieznana opcja „" + TekstDoKomunikatu(nazwa) +
                                     "”; dozwolone: " + lista + ".");
    }
    std::string wartosc;
    if (rownasie != std::string::npos) {
      wartosc = a.substr(rownasie + 1);
    } else if (i + 1 < argumenty.size()) {
      wartosc = argumenty[++i];
    } else {
      return wykres::Porazka<TOpcje>("opcja " + nazwa + " wymaga wartości (" +
                                     std::string(spec->Argument) + ").");
    }
    if (!opcje.emplace(nazwa, std::move(wartosc)).second)
      return wykres::Porazka<TOpcje>("opcja " + nazwa + " podana więcej niż raz.");
  }
  for (const auto& s : dozwolone)
    if (s.Wymagana && !opcje.contains(s.Nazwa))
      return wykres::Porazka<TOpcje>("brak wymaganej opcji " + std::string(s.Nazwa) + " " +
                                     std::string(s.Argument) + ".");
  return wykres::Sukces(std::move(opcje));
}

} // namespace wiersz_polecen
