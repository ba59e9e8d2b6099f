// The maintenance check of a data directory.
#include "katalog_testowy.h"
#include "magazyn.h"
#include "przeglad_danych.h"
#include "schemat.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace kartoteka {
namespace {

class PrzegladDanych : public testy::TKatalogTestowy {};

TEST_F(PrzegladDanych, NowyKatalogJestZakladanyIPoliczony) {
  auto p = PrzejrzyjDane(Katalog());
  ASSERT_TRUE(p.Ok()) << p.Blad.toStdString();
  EXPECT_TRUE(p.Wartosc.Utworzony);
  ASSERT_EQ(p.Wartosc.LiczbyWierszy.size(), static_cast<std::size_t>(NazwyTabel().size()));
  EXPECT_EQ(p.Wartosc.LiczbyWierszy[0].first, "Osoby");
  EXPECT_EQ(p.Wartosc.LiczbyWierszy[0].second, 0);
  EXPECT_GT(p.Wartosc.LiczbyWierszy[1].second, 8000); // Miejsca
  const QString tekst = TekstPrzegladu(p.Wartosc);
  EXPECT_TRUE(tekst.contains("Sprawdzenie spójności: ok"));
  EXPECT_TRUE(tekst.contains("Utworzono nową bazę danych"));
  EXPECT_TRUE(tekst.contains("\nDomyPorown\t0\n"));

  auto drugi = PrzejrzyjDane(Katalog());
  ASSERT_TRUE(drugi.Ok());
  EXPECT_FALSE(drugi.Wartosc.Utworzony);
  EXPECT_EQ(drugi.Wartosc.LiczbyWierszy, p.Wartosc.LiczbyWierszy);
}

TEST_F(PrzegladDanych, UszkodzonaBazaDajeKomunikat) {
  ASSERT_TRUE(PrzejrzyjDane(Katalog()).Ok());
  // Overwrite pages in the middle of the file: the header still reads.
  const QString plik = QDir(Katalog()).filePath(NazwaPlikuBazy);
  {
    // Fold the write-ahead log into the file first.
    auto w = OtworzMagazyn(Katalog());
    ASSERT_TRUE(w.Ok());
    QSqlQuery q(w.Wartosc->Baza());
    ASSERT_TRUE(q.exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    ASSERT_TRUE(q.exec("PRAGMA journal_mode = DELETE"));
  }
  QFile f(plik);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  const qint64 rozmiar = f.size();
  ASSERT_GT(rozmiar, 100000);
  for (qint64 poz = 8192; poz < rozmiar - 4096; poz += 16384) {
    f.seek(poz);
    f.write(QByteArray(1500, '\x5a'));
  }
  f.close();
  auto p = PrzejrzyjDane(Katalog());
  ASSERT_FALSE(p.Ok());
  EXPECT_TRUE(p.Blad.contains("uszkodzon")) << p.Blad.toStdString();
}

} // namespace
} // namespace kartoteka
