// "--rysunki KATALOG [--druk kolor|czb]" of urodz and porown: every drawing of
// the chart as PNG (on-screen pixel size) and SVG, without a display.
#include "czcionki.h"
#include "eksport.h"
#include "opcje_wykresu.h"
#include "polecenia.h"

#include <QGuiApplication>

#include <memory>

namespace wiersz_polecen {

namespace {

// "--druk" is handled first (it comes first in the option list) and leaves
// the palette choice here for "--rysunki" of the same run.
struct TWyborDruku {
  bool Druk = false;
  int Rodzaj = grafika::DrukKolorowy;
};
TWyborDruku& WyborDruku() {
  static TWyborDruku wybor;
  return wybor;
}

// The drawings need a GUI application for their fonts; the offscreen
// platform needs no display.
std::unique_ptr<QGuiApplication> AplikacjaGraficzna() {
  if (QGuiApplication::instance() != nullptr)
    return nullptr;
  if (qgetenv("QT_QPA_PLATFORM").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char nazwa[] = "kosmotyp-oblicz";
  static char* argv[] = {nazwa, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

template <typename F> std::optional<TBladPolecenia> Eksportuj(std::string_view katalog, F rysunki) {
  const auto aplikacja = AplikacjaGraficzna();
  if (!grafika::ZarejestrujCzcionki())
    return TBladPolecenia{KodBladObliczen, "nie można wczytać czcionki symboli Redudorevi."};
  const TWyborDruku wybor = WyborDruku();
  WyborDruku() = {};
  QString blad;
  if (!grafika::ZapiszRysunki(rysunki(wybor),
                              QString::fromUtf8(katalog.data(), qsizetype(katalog.size())), blad))
    return TBladPolecenia{KodBladObliczen, blad.toStdString()};
  return std::nullopt;
}

std::optional<TBladPolecenia> UstawDruk(std::string_view wartosc) {
  if (wartosc == "kolor")
    WyborDruku() = {true, grafika::DrukKolorowy};
  else if (wartosc == "czb")
    WyborDruku() = {true, grafika::DrukCzarnoBialy};
  else
    return TBladPolecenia{KodBladDanych, "opcja --druk przyjmuje „kolor” albo „czb”, nie „" +
                                             TekstDoKomunikatu(wartosc) + "”."};
  return std::nullopt;
}

std::optional<TBladPolecenia> DrukUrodz(std::string_view w, const wykres::TDaneKosmotypuUrodz&,
                                        const wykres::TWykresUrodz&) {
  return UstawDruk(w);
}
std::optional<TBladPolecenia> DrukPorown(std::string_view w, const wykres::TDaneKosmotypuUrodz&,
                                         const wykres::TDaneKosmotypuUrodz&,
                                         const wykres::TWykresPorown&) {
  return UstawDruk(w);
}

std::optional<TBladPolecenia> RysunkiUrodz(std::string_view katalog,
                                           const wykres::TDaneKosmotypuUrodz&,
                                           const wykres::TWykresUrodz& wykres) {
  return Eksportuj(katalog, [&](const TWyborDruku& wybor) {
    grafika::TStanGrafiki stan;
    grafika::UstawPalete(stan.Paleta, wybor.Druk, wybor.Rodzaj);
    return grafika::RysunkiUrodz(stan, wykres);
  });
}

std::optional<TBladPolecenia> RysunkiPorown(std::string_view katalog,
                                            const wykres::TDaneKosmotypuUrodz&,
                                            const wykres::TDaneKosmotypuUrodz&,
                                            const wykres::TWykresPorown& porown) {
  return Eksportuj(katalog, [&](const TWyborDruku& wybor) {
    grafika::TStanGrafikiPorown stan;
    grafika::UstawPalete(stan.Paleta, wybor.Druk, wybor.Rodzaj);
    return grafika::RysunkiPorown(stan, porown.Wykres1, porown.Wykres2, porown.AspektyPorown);
  });
}

} // namespace

extern const TOpcjaWykresu OpcjaDruk = {
    {"--druk", "kolor|czb"},
    DrukUrodz,
    DrukPorown,
    "rysunki z --rysunki w barwach wydruku: kolorowego albo czarno-białego"};
extern const TOpcjaWykresu OpcjaRysunki = {
    {"--rysunki", "KATALOG"},
    RysunkiUrodz,
    RysunkiPorown,
    "zapisuje rysunki wykresu (PNG i SVG) w katalogu KATALOG"};

} // namespace wiersz_polecen
