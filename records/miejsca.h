#pragma once
// Places, Polish (kind 1) and foreign (kind 2).
#include "magazyn.h"
#include "przesuniecia.h"
#include "rekordy_kartoteki.h"

#include <optional>
#include <vector>

namespace kartoteka {

// The store's own checks of a place (the editors check their ranges first).
// Return: empty, or the Polish message.
QString SprawdzMiejsce(const TMiejsce& m);

// Adds (IdMiejsca 0) or updates a place, name trimmed; result: its identifier.
// Names are unique: Polish places by name, foreign ones by country and name.
TWynik<std::int32_t> ZapiszMiejsce(TMagazyn& mag, const TMiejsce& m);
// A foreign place together with its edited offsets, in one transaction.
TWynik<std::int32_t> ZapiszMiejsceZPrzesunieciami(TMagazyn& mag, const TMiejsce& m,
                                                  const TEdycjaPrzesuniec& przesuniecia);

// Deletes a place and its offsets; refused while persons are born there.
TStatus UsunMiejsce(TMagazyn& mag, std::int32_t idMiejsca);

TWynik<std::optional<TMiejsce>> ZnajdzMiejsce(const TMagazyn& mag, std::int32_t idMiejsca);
// Exact lookups by the secondary indexes.
TWynik<std::optional<TMiejsce>> ZnajdzMiejscePolskie(const TMagazyn& mag, const QString& nazwa);
TWynik<std::optional<TMiejsce>>
ZnajdzMiejsceZagraniczne(const TMagazyn& mag, std::int32_t idPanstwa, const QString& nazwa);
// Places of one kind in name order.
TWynik<std::vector<TMiejsce>> ListaMiejsc(const TMagazyn& mag, int rodzaj);

// A row of the foreign places list.
struct TWierszMiejscaZagr {
  std::int32_t IdMiejsca = 0;
  QString Nazwa;
  std::int32_t Szerokosc = 0;
  std::int32_t Dlugosc = 0;
  QString NazPanstwa;
};
// Foreign places that have a country, by country and name or by name.
TWynik<std::vector<TWierszMiejscaZagr>> ListaMiejscZagranicznych(const TMagazyn& mag,
                                                                 bool wgPanstw);

} // namespace kartoteka
