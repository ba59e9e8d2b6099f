#pragma once
// First-start contents: the delivered countries, Polish and foreign places and
// the foreign places' GMT offsets (compiled in from data/miejscowosci/).
#include "wynik.h"

#include <QSqlDatabase>

namespace kartoteka {

// Loads the delivered gazetteer into an empty schema, inside the caller's transaction.
TStatus ZasiejMiejscowosci(QSqlDatabase& db);

} // namespace kartoteka
