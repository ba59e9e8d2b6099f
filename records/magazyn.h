#pragma once
// The data store: one SQLite database file in the data directory.
#include "wynik.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <memory>

namespace kartoteka {

inline constexpr char NazwaPlikuBazy[] = "kosmotyp.sqlite";

struct TOpcjeMagazynu {
  // How long a statement waits for another program's lock before giving up.
  int LimitOczekiwaniaMs = 5000;
  // Fill a new database with the delivered gazetteer.
  bool Zasiej = true;
};

// An open store; destroying it closes the connection.
struct TMagazyn {
  QString Katalog;
  QString Plik;
  QString Polaczenie;
  bool Utworzony = false; // the database was created and seeded by this opening

  TMagazyn() = default;
  TMagazyn(const TMagazyn&) = delete;
  TMagazyn& operator=(const TMagazyn&) = delete;
  ~TMagazyn();

  QSqlDatabase Baza() const;
};

// Opens (creating and seeding when new) the database in katalog, which is
// created if missing. Never throws; failures come back as Polish messages.
using TWynikOtwarcia = TWynik<std::unique_ptr<TMagazyn>>;
TWynikOtwarcia OtworzMagazyn(const QString& katalog, const TOpcjeMagazynu& opcje = {});

// A Polish message for a database error; plik names the file in the text.
QString KomunikatBledu(const QSqlError& blad, const QString& plik);
bool CzyNaruszenieOgraniczenia(const QSqlError& blad);

// BEGIN IMMEDIATE … COMMIT; rolled back unless Zatwierdz() succeeded.
class TTransakcja {
public:
  explicit TTransakcja(QSqlDatabase db);
  ~TTransakcja();
  TTransakcja(const TTransakcja&) = delete;
  TTransakcja& operator=(const TTransakcja&) = delete;
  const QString& Blad() const { return Blad_; }
  bool Rozpoczeta() const { return Rozpoczeta_; }
  bool Zatwierdz();

private:
  QSqlDatabase Db_;
  bool Rozpoczeta_ = false;
  QString Blad_;
};

} // namespace kartoteka
