// kosmotyp-oblicz dane: the maintenance check of the data directory (creates
// and seeds it when new, checks the database, counts the rows of each table).
#include "katalog_danych.h"
#include "opcje.h"
#include "polecenia.h"
#include "przeglad_danych.h"

#include <QCoreApplication>

#include <memory>
#include <optional>
#include <ostream>

namespace wiersz_polecen {

namespace {

constexpr TSpecyfikacjaOpcji OpcjeDane[] = {
    {"--katalog", "KATALOG", false},
};

std::string PomocDane() {
  return "Użycie: kosmotyp-oblicz dane [--katalog KATALOG]\n\n"
         "Zakłada katalog danych, gdy jest nowy (z dostarczonymi miejscowościami i państwami),\n"
         "sprawdza spójność bazy danych i wypisuje liczbę wierszy każdej tabeli.\n\n"
         "  --katalog KATALOG  katalog danych; bez tej opcji zmienna środowiska KOSMOTYP_DANE,\n"
         "                     a gdy jej nie ma, katalog \"dane\" w bieżącym katalogu\n\n"
         "Przykład:\n"
         "  kosmotyp-oblicz dane --katalog ~/kosmotyp/dane\n\n"
         "Kody wyjścia: 0 — baza danych jest w porządku; 1 — baza danych jest uszkodzona,\n"
         "zablokowana przez inny program albo nie da się jej otworzyć; 2 — błędne opcje.\n";
}

int WykonajDane(TKontekst& k) {
  const auto opcje = ParsujOpcje(k.Argumenty, OpcjeDane);
  if (!opcje)
    return ZglosBlad(k, opcje.Blad.Komunikat, KodBladDanych);
  std::optional<QString> katalog;
  if (const auto it = opcje->find("--katalog"); it != opcje->end()) {
    if (it->second.empty())
      return ZglosBlad(k, "opcja --katalog wymaga nazwy katalogu", KodBladDanych);
    katalog = QString::fromStdString(it->second);
  }
  // The SQL driver is a plugin, and plugins load only under an application object.
  std::unique_ptr<QCoreApplication> aplikacja;
  static int argc = 1;
  static char nazwa[] = "kosmotyp-oblicz";
  static char* argv[] = {nazwa, nullptr};
  if (!QCoreApplication::instance())
    aplikacja = std::make_unique<QCoreApplication>(argc, argv);
  const auto przeglad = kartoteka::PrzejrzyjDane(kartoteka::UstalKatalogDanych(katalog));
  if (!przeglad.Ok())
    return ZglosBlad(k, przeglad.Blad.toStdString(), KodBladObliczen);
  k.Wy << kartoteka::TekstPrzegladu(przeglad.Wartosc).toStdString();
  return KodSukces;
}

} // namespace

extern const TPolecenie PolecenieDane = {"dane", "sprawdza katalog danych i liczy wiersze tabel",
                                         PomocDane, WykonajDane};

} // namespace wiersz_polecen
