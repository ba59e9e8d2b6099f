#pragma once
// The maintenance check of a data directory: create and seed it when new,
// run SQLite's integrity check, count the rows of every table.
#include "wynik.h"

#include <QString>

#include <utility>
#include <vector>

namespace kartoteka {

struct TPrzegladDanych {
  QString Katalog;
  bool Utworzony = false;
  std::vector<std::pair<QString, long long>> LiczbyWierszy;
};

// Fails with the Polish message for a damaged, locked or unreadable database.
TWynik<TPrzegladDanych> PrzejrzyjDane(const QString& katalog);

// The lines printed by the maintenance command.
QString TekstPrzegladu(const TPrzegladDanych& p);

} // namespace kartoteka
