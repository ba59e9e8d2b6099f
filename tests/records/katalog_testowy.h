#pragma once
// A fresh temporary data directory per test; never the user's files.
#include "magazyn.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kartoteka::testy {

inline std::unique_ptr<TMagazyn> Otworz(const QString& katalog, bool zasiej = false) {
  TOpcjeMagazynu opcje;
  opcje.Zasiej = zasiej;
  auto w = OtworzMagazyn(katalog, opcje);
  EXPECT_TRUE(w.Ok()) << w.Blad.toStdString();
  return std::move(w.Wartosc);
}

class TKatalogTestowy : public ::testing::Test {
protected:
  QTemporaryDir Tmp;
  QString Katalog() const { return Tmp.filePath("dane"); }
};

} // namespace kartoteka::testy
