#include "magazyn.h"

#include "schemat.h"
#include "zasiew.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace kartoteka {

namespace {

QAtomicInt LicznikPolaczen;

// SQLite result codes (primary part of an extended code).
enum : int {
  KodBusy = 5,
  KodLocked = 6,
  KodNoMem = 7,
  KodReadOnly = 8,
  KodIoErr = 10,
  KodCorrupt = 11,
  KodFull = 13,
  KodCantOpen = 14,
  KodConstraint = 19,
  KodNotADb = 26,
};

int KodSqlite(const QSqlError& blad) {
  bool ok = false;
  const int kod = blad.nativeErrorCode().toInt(&ok);
  return ok ? (kod & 0xff) : -1;
}

bool Wykonaj(QSqlDatabase& db, const QString& polecenie, QString* blad) {
  QSqlQuery q(db);
  if (q.exec(polecenie))
    return true;
  *blad = KomunikatBledu(q.lastError(), db.databaseName());
  return false;
}

} // namespace

QString KomunikatBledu(const QSqlError& blad, const QString& plik) {
  switch (KodSqlite(blad)) {
  case KodBusy:
  case KodLocked:
    return QString("Baza danych „%1” jest zablokowana przez inny program. Zamknij go i spróbuj "
                   "ponownie.")
        .arg(plik);
  case KodCorrupt:
  case KodNotADb:
    return QString("Plik bazy danych „%1” jest uszkodzony albo nie jest bazą danych. Odtwórz go "
                   "z kopii zapasowej.")
        .arg(plik);
  case KodCantOpen:
    return QString("Nie można otworzyć bazy danych „%1”.").arg(plik);
  case KodReadOnly:
    return QString("Baza danych „%1” jest tylko do odczytu.").arg(plik);
  case KodFull:
    return QString("Brak miejsca na dysku dla bazy danych „%1”.").arg(plik);
  case KodIoErr:
    return QString("Błąd odczytu lub zapisu bazy danych „%1”.").arg(plik);
  case KodNoMem:
    return QString("Za mało pamięci dla bazy danych „%1”.").arg(plik);
  default:
    return QString("Błąd bazy danych „%1”: %2").arg(plik, blad.text());
  }
}

bool CzyNaruszenieOgraniczenia(const QSqlError& blad) {
  return KodSqlite(blad) == KodConstraint;
}

TTransakcja::TTransakcja(QSqlDatabase db) : Db_(std::move(db)) {
  // IMMEDIATE takes the write lock up front, so a busy database fails here
  // and not half-way through the change.
  QSqlQuery q(Db_);
  Rozpoczeta_ = q.exec("BEGIN IMMEDIATE");
  if (!Rozpoczeta_)
    Blad_ = KomunikatBledu(q.lastError(), Db_.databaseName());
}

bool TTransakcja::Zatwierdz() {
  if (!Rozpoczeta_)
    return false;
  QSqlQuery q(Db_);
  if (!q.exec("COMMIT")) {
    Blad_ = KomunikatBledu(q.lastError(), Db_.databaseName());
    return false;
  }
  Rozpoczeta_ = false;
  return true;
}

TTransakcja::~TTransakcja() {
  if (Rozpoczeta_) {
    QSqlQuery q(Db_);
    q.exec("ROLLBACK");
  }
}

TMagazyn::~TMagazyn() {
  if (Polaczenie.isEmpty())
    return;
  {
    QSqlDatabase db = QSqlDatabase::database(Polaczenie, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(Polaczenie);
}

QSqlDatabase TMagazyn::Baza() const {
  return QSqlDatabase::database(Polaczenie, false);
}

TWynikOtwarcia OtworzMagazyn(const QString& katalog, const TOpcjeMagazynu& opcje) {
  QString b;
  auto wynik = [&]() -> TWynikOtwarcia { return TWynikOtwarcia::Porazka(b); };
  if (!QDir().mkpath(katalog)) {
    b = QString("Nie można utworzyć katalogu danych „%1”.").arg(katalog);
    return wynik();
  }
  auto mag = std::make_unique<TMagazyn>();
  mag->Katalog = QDir(katalog).absolutePath();
  mag->Plik = QDir(mag->Katalog).filePath(NazwaPlikuBazy);
  if (QFileInfo(mag->Plik).isDir()) {
    b = QString("Nie można otworzyć bazy danych „%1”.").arg(mag->Plik);
    return wynik();
  }
  mag->Polaczenie = QString("kartoteka-%1").arg(LicznikPolaczen.fetchAndAddRelaxed(1));
  // The "[PersonalFolder]" shared-directory ("NET DIR") step of the old engine has no counterpart
  // in SQLite.
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", mag->Polaczenie);
  if (!db.isValid()) {
    b = "Brak sterownika bazy danych SQLite (pakiet libqt6sql6-sqlite).";
    return wynik();
  }
  db.setDatabaseName(mag->Plik);
  db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(opcje.LimitOczekiwaniaMs));
  if (!db.open()) {
    b = KomunikatBledu(db.lastError(), mag->Plik);
    return wynik();
  }
  // Reading the schema first: a damaged file or a foreign lock shows here,
  // before anything is written.
  auto wersja = SprawdzWersjeSchematu(db);
  if (!wersja.Ok()) {
    b = wersja.Blad;
    return wynik();
  }
  if (!Wykonaj(db, "PRAGMA foreign_keys = ON", &b) ||
      !Wykonaj(db, "PRAGMA journal_mode = WAL", &b) ||
      !Wykonaj(db, "PRAGMA synchronous = FULL", &b))
    return wynik();

  if (wersja.Wartosc < WersjaSchematu) {
    TTransakcja t(db);
    if (!t.Rozpoczeta()) {
      b = t.Blad();
      return wynik();
    }
    // Another program may have created it while we waited for the lock.
    auto ponownie = SprawdzWersjeSchematu(db);
    if (!ponownie.Ok()) {
      b = ponownie.Blad;
      return wynik();
    }
    if (ponownie.Wartosc < WersjaSchematu) {
      const bool nowa = ponownie.Wartosc == 0;
      if (auto s = MigrujSchemat(db, ponownie.Wartosc); !s.Ok()) {
        b = s.Blad;
        return wynik();
      }
      if (nowa && opcje.Zasiej) {
        if (auto s = ZasiejMiejscowosci(db); !s.Ok()) {
          b = s.Blad;
          return wynik();
        }
      }
      if (!t.Zatwierdz()) {
        b = t.Blad();
        return wynik();
      }
      mag->Utworzony = nowa;
    }
  }
  return TWynikOtwarcia::Sukces(std::move(mag));
}

} // namespace kartoteka
