#include "schemat.h"

#include "magazyn.h"

#include <QSqlError>
#include <QSqlQuery>

namespace kartoteka {

namespace {

// Version 1. Dates are ISO text ("2024-03-01"), times "HH:MM", so the file reads
// plainly in the sqlite3 shell. Name uniqueness of countries goes through a
// stored folded key: SQLite's NOCASE folds ASCII only.
const QStringList Wersja1 = {
    R"(CREATE TABLE Panstwa (
  IdPanstwa INTEGER PRIMARY KEY AUTOINCREMENT,
  Nazwa TEXT NOT NULL CHECK (length(Nazwa) BETWEEN 1 AND 50),
  NazwaKlucz TEXT NOT NULL CHECK (length(NazwaKlucz) >= 1)
))",
    "CREATE INDEX IxNazwaPanstwa ON Panstwa (Nazwa)",
    "CREATE UNIQUE INDEX IxKluczPanstwa ON Panstwa (NazwaKlucz)",
    R"(CREATE TABLE Miejsca (
  IdMiejsca INTEGER PRIMARY KEY AUTOINCREMENT,
  Nazwa TEXT NOT NULL CHECK (length(Nazwa) BETWEEN 1 AND 100),
  Dlugosc INTEGER NOT NULL CHECK (typeof(Dlugosc) = 'integer' AND Dlugosc BETWEEN -10800 AND 10800),
  Szerokosc INTEGER NOT NULL CHECK (typeof(Szerokosc) = 'integer' AND Szerokosc BETWEEN -5400 AND 5400),
  Rodzaj INTEGER NOT NULL CHECK (Rodzaj IN (1, 2)),
  IdPanstwa INTEGER REFERENCES Panstwa (IdPanstwa) ON DELETE RESTRICT,
  CHECK (Rodzaj = 2 OR IdPanstwa IS NULL)
))",
    "CREATE INDEX IxNazwa ON Miejsca (Rodzaj, Nazwa)",
    "CREATE UNIQUE INDEX IxPanstwo ON Miejsca (Rodzaj, IdPanstwa, Nazwa)",
    "CREATE UNIQUE INDEX IxNazwaPolska ON Miejsca (Nazwa) WHERE Rodzaj = 1",
    R"(CREATE TABLE Osoby (
  IdOsoby INTEGER PRIMARY KEY AUTOINCREMENT,
  Nazwisko TEXT NOT NULL CHECK (length(Nazwisko) BETWEEN 1 AND 30),
  Imie TEXT NOT NULL DEFAULT '' CHECK (length(Imie) <= 30),
  Data TEXT NOT NULL CHECK (Data GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' AND date(Data, '+0 days') IS Data),
  Czas TEXT CHECK (Czas IS NULL OR (Czas GLOB '[0-2][0-9]:[0-5][0-9]' AND Czas < '24:00')),
  PrzesGMT INTEGER CHECK (PrzesGMT IS NULL OR (typeof(PrzesGMT) = 'integer' AND PrzesGMT BETWEEN -720 AND 780)),
  IdMiejsca INTEGER NOT NULL REFERENCES Miejsca (IdMiejsca) ON DELETE RESTRICT
))",
    "CREATE UNIQUE INDEX IxNazwiskoImie ON Osoby (Nazwisko, Imie)",
    "CREATE INDEX IxMiejsceOsoby ON Osoby (IdMiejsca)",
    R"(CREATE TABLE PrzesGMT (
  IdMiejsca INTEGER NOT NULL REFERENCES Miejsca (IdMiejsca) ON DELETE CASCADE,
  Przesuniecie REAL NOT NULL CHECK (Przesuniecie = round(Przesuniecie) AND Przesuniecie BETWEEN -720 AND 780),
  PRIMARY KEY (IdMiejsca, Przesuniecie)
) WITHOUT ROWID)",
    R"(CREATE TABLE Stopnie (
  Stopien INTEGER NOT NULL PRIMARY KEY,
  Opis TEXT NOT NULL
))",
    R"(CREATE TABLE pwz (
  IdPlanety INTEGER NOT NULL, NrZnaku INTEGER NOT NULL, Opis TEXT,
  PRIMARY KEY (IdPlanety, NrZnaku)
) WITHOUT ROWID)",
    R"(CREATE TABLE pwd (
  IdPlanety INTEGER NOT NULL, NrDomu INTEGER NOT NULL, Opis TEXT,
  PRIMARY KEY (IdPlanety, NrDomu)
) WITHOUT ROWID)",
    R"(CREATE TABLE Aspekty (
  IdPlanety1 INTEGER NOT NULL, IdPlanety2 INTEGER NOT NULL, Opis TEXT NOT NULL,
  PRIMARY KEY (IdPlanety1, IdPlanety2)
) WITHOUT ROWID)",
    R"(CREATE TABLE APorown (
  Planeta1 INTEGER NOT NULL, Planeta2 INTEGER NOT NULL, Aspekt INTEGER NOT NULL, Opis TEXT,
  PRIMARY KEY (Planeta1, Planeta2, Aspekt)
) WITHOUT ROWID)",
    R"(CREATE TABLE DomyPorown (
  Planeta1 INTEGER NOT NULL, Dom INTEGER NOT NULL, Opis TEXT,
  PRIMARY KEY (Planeta1, Dom)
) WITHOUT ROWID)",
};

} // namespace

QStringList KrokiMigracji(int doWersji) {
  switch (doWersji) {
  case 1:
    return Wersja1;
  default:
    return {};
  }
}

QStringList NazwyTabel() {
  return {"Osoby", "Miejsca", "Panstwa", "PrzesGMT", "Stopnie",
          "pwz",   "pwd",     "Aspekty", "APorown",  "DomyPorown"};
}

TWynik<int> SprawdzWersjeSchematu(QSqlDatabase& db) {
  QSqlQuery q(db);
  if (!q.exec("PRAGMA user_version") || !q.next())
    return TWynik<int>::Porazka(KomunikatBledu(q.lastError(), db.databaseName()));
  const int wersja = q.value(0).toInt();
  if (wersja > WersjaSchematu)
    return TWynik<int>::Porazka(
        QString(
            "Baza danych „%1” pochodzi z nowszej wersji programu (wersja danych %2, ten program "
            "obsługuje wersję %3). Użyj nowszej wersji programu.")
            .arg(db.databaseName())
            .arg(wersja)
            .arg(WersjaSchematu));
  if (wersja == 0) {
    // Version 0 must be a really empty file, not someone else's database.
    QSqlQuery t(db);
    if (!t.exec("SELECT count(*) FROM sqlite_master") || !t.next())
      return TWynik<int>::Porazka(KomunikatBledu(t.lastError(), db.databaseName()));
    if (t.value(0).toInt() != 0)
      return TWynik<int>::Porazka(
          QString("Plik „%1” nie jest bazą danych tego programu.").arg(db.databaseName()));
  }
  return TWynik<int>::Sukces(wersja);
}

TStatus MigrujSchemat(QSqlDatabase& db, int odWersji) {
  for (int w = odWersji + 1; w <= WersjaSchematu; ++w) {
    for (const QString& polecenie : KrokiMigracji(w)) {
      QSqlQuery q(db);
      if (!q.exec(polecenie))
        return {KomunikatBledu(q.lastError(), db.databaseName())};
    }
    QSqlQuery q(db);
    if (!q.exec(QString("PRAGMA user_version = %1").arg(w)))
      return {KomunikatBledu(q.lastError(), db.databaseName())};
  }
  return {};
}

} // namespace kartoteka
