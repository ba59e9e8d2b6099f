// Opening, creating, seeding and refusing data directories; the schema's own checks.
#include "katalog_danych.h"
#include "katalog_testowy.h"
#include "magazyn.h"
#include "schemat.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace kartoteka {
namespace {

using testy::Otworz;

long long Liczba(const TMagazyn& mag, const QString& sql) {
  QSqlQuery q(mag.Baza());
  EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
  return q.next() ? q.value(0).toLongLong() : -1;
}

QString Tekst(const TMagazyn& mag, const QString& sql) {
  QSqlQuery q(mag.Baza());
  EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
  return q.next() ? q.value(0).toString() : QString();
}

// A raw connection beside the store, as another program would have it.
struct TObcePolaczenie {
  QString Nazwa;
  explicit TObcePolaczenie(const QString& plik, const QString& nazwa = "obce") : Nazwa(nazwa) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", Nazwa);
    db.setDatabaseName(plik);
    EXPECT_TRUE(db.open());
  }
  bool Wykonaj(const QString& sql) {
    QSqlQuery q(QSqlDatabase::database(Nazwa));
    return q.exec(sql);
  }
  ~TObcePolaczenie() {
    QSqlDatabase::database(Nazwa).close();
    QSqlDatabase::removeDatabase(Nazwa);
  }
};

class Magazyn : public testy::TKatalogTestowy {};

TEST_F(Magazyn, NowyKatalogJestTworzonyIZasiewanyRazJeden) {
  ASSERT_FALSE(QDir(Katalog()).exists());
  long long miejsc = 0;
  {
    auto mag = Otworz(Katalog(), true);
    ASSERT_TRUE(mag);
    EXPECT_TRUE(mag->Utworzony);
    EXPECT_TRUE(QFile::exists(QDir(Katalog()).filePath(NazwaPlikuBazy)));
    miejsc = Liczba(*mag, "SELECT count(*) FROM Miejsca");
    EXPECT_GT(miejsc, 8000);
    EXPECT_GT(Liczba(*mag, "SELECT count(*) FROM Panstwa"), 240);
    EXPECT_GT(Liczba(*mag, "SELECT count(*) FROM PrzesGMT"), 10000);
    EXPECT_EQ(Liczba(*mag, "PRAGMA user_version"), WersjaSchematu);
    // A user's deletion must survive the next start.
    QSqlQuery q(mag->Baza());
    ASSERT_TRUE(q.exec("DELETE FROM Miejsca WHERE Nazwa = 'Warszawa' AND Rodzaj = 1"));
  }
  auto mag = Otworz(Katalog(), true);
  ASSERT_TRUE(mag);
  EXPECT_FALSE(mag->Utworzony);
  EXPECT_EQ(Liczba(*mag, "SELECT count(*) FROM Miejsca"), miejsc - 1);
  EXPECT_EQ(Liczba(*mag, "SELECT count(*) FROM Miejsca WHERE Nazwa = 'Warszawa'"), 0);
}

TEST_F(Magazyn, UstawieniaTrwalosciPolaczenia) {
  auto mag = Otworz(Katalog());
  ASSERT_TRUE(mag);
  EXPECT_EQ(Tekst(*mag, "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(Liczba(*mag, "PRAGMA synchronous"), 2); // FULL
  EXPECT_EQ(Liczba(*mag, "PRAGMA foreign_keys"), 1);
  EXPECT_GT(Liczba(*mag, "PRAGMA busy_timeout"), 0);
}

TEST_F(Magazyn, TabeleIIndeksyPodNazwamiZKolejnosciaKluczy) {
  auto mag = Otworz(Katalog());
  ASSERT_TRUE(mag);
  for (const QString& t : NazwyTabel())
    EXPECT_EQ(Liczba(*mag, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '" +
                               t + "'"),
              1)
        << t.toStdString();
  struct TIndeks {
    const char* Nazwa;
    QStringList Pola;
  };
  for (const TIndeks& ix :
       {TIndeks{"IxNazwiskoImie", {"Nazwisko", "Imie"}}, TIndeks{"IxNazwa", {"Rodzaj", "Nazwa"}},
        TIndeks{"IxPanstwo", {"Rodzaj", "IdPanstwa", "Nazwa"}}}) {
    QSqlQuery q(mag->Baza());
    ASSERT_TRUE(q.exec(QString("PRAGMA index_info(%1)").arg(ix.Nazwa)));
    QStringList pola;
    while (q.next())
      pola << q.value(2).toString();
    EXPECT_EQ(pola, ix.Pola) << ix.Nazwa;
  }
}

TEST_F(Magazyn, OgraniczeniaSchematuOdrzucajaZleWiersze) {
  auto mag = Otworz(Katalog());
  ASSERT_TRUE(mag);
  QSqlQuery q(mag->Baza());
  ASSERT_TRUE(q.exec("INSERT INTO Panstwa (Nazwa, NazwaKlucz) VALUES ('Niemcy', 'niemcy')"));
  ASSERT_TRUE(q.exec("INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj) "
                     "VALUES ('Kraków', -1196, 3004, 1)"));
  const char* zle[] = {
      "INSERT INTO Osoby (Nazwisko, Data, IdMiejsca) VALUES "
      "('AbcdefghijAbcdefghijAbcdefghijK', '1970-01-01', 1)",
      "INSERT INTO Osoby (Nazwisko, Data, IdMiejsca) VALUES ('', '1970-01-01', 1)",
      "INSERT INTO Osoby (Nazwisko, Data, IdMiejsca) VALUES ('Nowak', '1970-02-30', 1)",
      "INSERT INTO Osoby (Nazwisko, Data, IdMiejsca) VALUES ('Nowak', '70-02-03', 1)",
      "INSERT INTO Osoby (Nazwisko, Data, Czas, IdMiejsca) VALUES ('Nowak', '1970-02-03', "
      "'24:00', 1)",
      "INSERT INTO Osoby (Nazwisko, Data, PrzesGMT, IdMiejsca) VALUES ('Nowak', '1970-02-03', "
      "781, 1)",
      "INSERT INTO Osoby (Nazwisko, Data, IdMiejsca) VALUES ('Nowak', '1970-02-03', 99)",
      "INSERT INTO Osoby (Nazwisko, Data) VALUES ('Nowak', '1970-02-03')",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj) VALUES ('X', 0, 0, 3)",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj) VALUES ('X', 10801, 0, 2)",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj) VALUES ('X', 0, 5401, 2)",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj) VALUES ('X', 'abc', 0, 2)",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj, IdPanstwa) VALUES "
      "('X', 0, 0, 1, 1)",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj, IdPanstwa) VALUES "
      "('X', 0, 0, 2, 77)",
      "INSERT INTO PrzesGMT VALUES (1, 60.5)",
      "INSERT INTO PrzesGMT VALUES (1, -721)",
      "INSERT INTO PrzesGMT VALUES (55, 60)",
      "INSERT INTO Panstwa (Nazwa, NazwaKlucz) VALUES ('NIEMCY', 'niemcy')",
      "INSERT INTO Panstwa (Nazwa) VALUES ('Austria')",
  };
  for (const char* sql : zle)
    EXPECT_FALSE(q.exec(sql)) << sql;
  const char* dobre[] = {
      "INSERT INTO Osoby (Nazwisko, Data, Czas, PrzesGMT, IdMiejsca) VALUES "
      "('AbcdefghijAbcdefghijAbcdefghiŁ', '2050-12-31', '23:59', -720, 1)",
      "INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj) VALUES ('X', -10800, 5400, 2)",
      "INSERT INTO PrzesGMT VALUES (1, 780)",
  };
  for (const char* sql : dobre)
    EXPECT_TRUE(q.exec(sql)) << sql;
}

TEST_F(Magazyn, NowszaWersjaSchematuJestOdrzucana) {
  { auto mag = Otworz(Katalog()); }
  {
    TObcePolaczenie obce(QDir(Katalog()).filePath(NazwaPlikuBazy));
    ASSERT_TRUE(obce.Wykonaj("PRAGMA user_version = 7"));
  }
  auto w = OtworzMagazyn(Katalog());
  ASSERT_FALSE(w.Ok());
  EXPECT_TRUE(w.Blad.contains("nowszej wersji programu")) << w.Blad.toStdString();
  EXPECT_TRUE(w.Blad.contains("7"));
}

TEST_F(Magazyn, UszkodzonyPlikDajeKomunikatINieJestNadpisywany) {
  ASSERT_TRUE(QDir().mkpath(Katalog()));
  const QString plik = QDir(Katalog()).filePath(NazwaPlikuBazy);
  const QByteArray smieci = QByteArray("to nie jest baza danych\n").repeated(400);
  {
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(smieci);
  }
  auto w = OtworzMagazyn(Katalog());
  ASSERT_FALSE(w.Ok());
  EXPECT_TRUE(w.Blad.contains("uszkodzony")) << w.Blad.toStdString();
  QFile f(plik);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), smieci);
}

TEST_F(Magazyn, ObcaBazaSqliteJestOdrzucana) {
  ASSERT_TRUE(QDir().mkpath(Katalog()));
  {
    TObcePolaczenie obce(QDir(Katalog()).filePath(NazwaPlikuBazy));
    ASSERT_TRUE(obce.Wykonaj("CREATE TABLE cudza (x)"));
  }
  auto w = OtworzMagazyn(Katalog());
  ASSERT_FALSE(w.Ok());
  EXPECT_TRUE(w.Blad.contains("nie jest bazą danych tego programu")) << w.Blad.toStdString();
}

TEST_F(Magazyn, BazaZablokowanaPrzezInnyProgramPrzyOtwarciu) {
  QString plik;
  {
    auto mag = Otworz(Katalog());
    ASSERT_TRUE(mag);
    plik = mag->Plik;
  }
  TObcePolaczenie obce(plik);
  ASSERT_TRUE(obce.Wykonaj("PRAGMA locking_mode = EXCLUSIVE"));
  ASSERT_TRUE(obce.Wykonaj("BEGIN EXCLUSIVE"));
  ASSERT_TRUE(obce.Wykonaj("INSERT INTO Panstwa (Nazwa, NazwaKlucz) VALUES ('A', 'a')"));

  TOpcjeMagazynu krotko;
  krotko.LimitOczekiwaniaMs = 50;
  auto w = OtworzMagazyn(Katalog(), krotko);
  ASSERT_FALSE(w.Ok());
  EXPECT_TRUE(w.Blad.contains("zablokowana przez inny program")) << w.Blad.toStdString();
  ASSERT_TRUE(obce.Wykonaj("ROLLBACK"));
}

TEST_F(Magazyn, ZapisPodczasBlokadyInnegoProgramuNieUdajeSie) {
  TOpcjeMagazynu krotko;
  krotko.LimitOczekiwaniaMs = 50;
  krotko.Zasiej = false;
  auto w = OtworzMagazyn(Katalog(), krotko);
  ASSERT_TRUE(w.Ok());
  TMagazyn& mag = *w.Wartosc;
  TObcePolaczenie obce(mag.Plik);
  ASSERT_TRUE(obce.Wykonaj("BEGIN IMMEDIATE"));
  TTransakcja t(mag.Baza());
  EXPECT_FALSE(t.Rozpoczeta());
  EXPECT_TRUE(t.Blad().contains("zablokowana przez inny program")) << t.Blad().toStdString();
  ASSERT_TRUE(obce.Wykonaj("ROLLBACK"));
}

TEST_F(Magazyn, KatalogKtoregoNieMoznaUtworzyc) {
  QFile plik(Tmp.filePath("plik"));
  ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
  plik.close();
  auto w = OtworzMagazyn(Tmp.filePath("plik/dane"));
  ASSERT_FALSE(w.Ok());
  EXPECT_TRUE(w.Blad.startsWith("Nie można utworzyć katalogu danych")) << w.Blad.toStdString();
}

TEST(KatalogDanych, OpcjaPrzedZmiennaPrzedDomyslnym) {
  const QByteArray stara = qgetenv(ZmiennaKataloguDanych);
  qunsetenv(ZmiennaKataloguDanych);
  EXPECT_EQ(UstalKatalogDanych(std::nullopt), QDir::current().absoluteFilePath("dane"));
  qputenv(ZmiennaKataloguDanych, "/tmp/z-env");
  EXPECT_EQ(UstalKatalogDanych(std::nullopt), "/tmp/z-env");
  EXPECT_EQ(UstalKatalogDanych(QString("/tmp/z-opcji")), "/tmp/z-opcji");
  EXPECT_EQ(UstalKatalogDanych(QString()), "/tmp/z-env");
  if (stara.isNull())
    qunsetenv(ZmiennaKataloguDanych);
  else
    qputenv(ZmiennaKataloguDanych, stara);

  EXPECT_EQ(KatalogZArgumentow({"--dane", "/a"}), QString("/a"));
  EXPECT_EQ(KatalogZArgumentow({"-x", "--dane=/b"}), QString("/b"));
  EXPECT_EQ(KatalogZArgumentow({"--dane"}), std::nullopt);
  EXPECT_EQ(KatalogZArgumentow({}), std::nullopt);
}

} // namespace
} // namespace kartoteka
