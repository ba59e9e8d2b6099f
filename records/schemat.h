#pragma once
// The database schema and its versions (kept in PRAGMA user_version).
#include "wynik.h"

#include <QSqlDatabase>
#include <QStringList>

namespace kartoteka {

constexpr int WersjaSchematu = 1;

// Statements that take an empty database to the given version from the one before.
QStringList KrokiMigracji(int doWersji);

// Names of the eleven tables (user's records first, then the descriptions).
QStringList NazwyTabel();

// Reads user_version; a version newer than this program knows is refused.
// Result: the version found (0 for a new, empty database).
TWynik<int> SprawdzWersjeSchematu(QSqlDatabase& db);

// Brings the schema up to WersjaSchematu inside the caller's transaction.
TStatus MigrujSchemat(QSqlDatabase& db, int odWersji);

} // namespace kartoteka
