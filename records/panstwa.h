#pragma once
// Countries: only ever added; names unique without regard to letter case.
#include "magazyn.h"
#include "rekordy_kartoteki.h"

#include <optional>
#include <vector>

namespace kartoteka {

// The stored comparison key of a country name: Unicode case folding, so
// "ŁÓDŹ" and "Łódź" meet (SQLite's NOCASE folds ASCII only).
QString KluczNazwyPanstwa(const QString& nazwa);

// Trims the name, checks it and adds the country; result: its identifier.
TWynik<std::int32_t> DodajPanstwo(TMagazyn& mag, const QString& nazwa);

TWynik<std::optional<TPanstwo>> ZnajdzPanstwo(const TMagazyn& mag, std::int32_t idPanstwa);
// Case-insensitive, Polish letters included.
TWynik<std::optional<TPanstwo>> ZnajdzPanstwoWgNazwy(const TMagazyn& mag, const QString& nazwa);
// In name order.
TWynik<std::vector<TPanstwo>> ListaPanstw(const TMagazyn& mag);

} // namespace kartoteka
