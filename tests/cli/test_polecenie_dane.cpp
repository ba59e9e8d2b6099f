// kosmotyp-oblicz dane, run in-process on temporary data directories.
#include "polecenia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct TWynikUruchomienia {
  int Kod;
  std::string Wy, Bledy;
};

TWynikUruchomienia Dane(std::vector<std::string> opcje) {
  opcje.insert(opcje.begin(), "dane");
  std::istringstream we;
  std::ostringstream wy, bledy;
  const int kod = wiersz_polecen::Uruchom(opcje, we, wy, bledy);
  return {kod, wy.str(), bledy.str()};
}

TEST(PolecenieDane, ZakladaSprawdzaILiczy) {
  QTemporaryDir tmp;
  const std::string katalog = tmp.filePath("dane").toStdString();
  const auto w = Dane({"--katalog", katalog});
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  EXPECT_NE(w.Wy.find("Utworzono nową bazę danych"), std::string::npos) << w.Wy;
  EXPECT_NE(w.Wy.find("Sprawdzenie spójności: ok"), std::string::npos);
  EXPECT_NE(w.Wy.find("\nOsoby\t0\n"), std::string::npos);
  EXPECT_NE(w.Wy.find("\nDomyPorown\t0\n"), std::string::npos);
  const auto drugi = Dane({"--katalog=" + katalog});
  ASSERT_EQ(drugi.Kod, 0) << drugi.Bledy;
  EXPECT_EQ(drugi.Wy.find("Utworzono"), std::string::npos);
}

TEST(PolecenieDane, UszkodzonaBazaIBledneOpcje) {
  QTemporaryDir tmp;
  ASSERT_TRUE(QDir().mkpath(tmp.filePath("dane")));
  {
    QFile f(tmp.filePath("dane/kosmotyp.sqlite"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("śmieci\n").repeated(1000));
  }
  const auto w = Dane({"--katalog", tmp.filePath("dane").toStdString()});
  EXPECT_EQ(w.Kod, 1);
  EXPECT_NE(w.Bledy.find("uszkodzony"), std::string::npos) << w.Bledy;
  EXPECT_EQ(Dane({"--katalogi", "x"}).Kod, 2);
  EXPECT_EQ(Dane({"--katalog", ""}).Kod, 2);
}

} // namespace
