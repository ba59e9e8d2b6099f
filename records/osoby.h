#pragma once
// Persons: the card index.
#include "magazyn.h"
#include "rekordy_kartoteki.h"

#include <optional>
#include <vector>

namespace kartoteka {

constexpr int NajmniejszyRokUrodzenia = 1900;
constexpr int NajwiekszyRokUrodzenia = 2050;

// The store's own checks of a person. Return: empty, or the Polish message.
QString SprawdzOsobe(const TOsoba& o);

// Adds (IdOsoby 0) or updates a person, names trimmed; result: its identifier.
// Surname + first name are unique.
TWynik<std::int32_t> ZapiszOsobe(TMagazyn& mag, const TOsoba& o);
TStatus UsunOsobe(TMagazyn& mag, std::int32_t idOsoby);

TWynik<std::optional<TOsoba>> ZnajdzOsobe(const TMagazyn& mag, std::int32_t idOsoby);
// Exact lookup in IxNazwiskoImie.
TWynik<std::optional<TOsoba>>
ZnajdzOsobeWgNazwiskaImienia(const TMagazyn& mag, const QString& nazwisko, const QString& imie);

// A row of the person lists: the person and the looked-up place fields.
struct TWierszOsoby {
  TOsoba Osoba;
  QString Miejsce; // empty when the place is missing
  std::int32_t Szer = 0;
  std::int32_t Dlug = 0;
};
// In IxNazwiskoImie order.
TWynik<std::vector<TWierszOsoby>> ListaOsob(const TMagazyn& mag);

} // namespace kartoteka
