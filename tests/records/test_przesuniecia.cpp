// The offsets of foreign places: the in-memory copy, its checks and the write-back.
#include "katalog_testowy.h"
#include "miejsca.h"
#include "panstwa.h"
#include "przesuniecia.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace kartoteka {
namespace {

class Przesuniecia : public testy::TKatalogTestowy {
protected:
  std::unique_ptr<TMagazyn> Mag = testy::Otworz(Katalog());
  std::int32_t Niemcy = DodajPanstwo(*Mag, "Niemcy").Wartosc;

  int WierszyPrzesuniec() {
    QSqlQuery q(Mag->Baza());
    EXPECT_TRUE(q.exec("SELECT count(*) FROM PrzesGMT") && q.next());
    return q.value(0).toInt();
  }
};

TEST_F(Przesuniecia, NowaMiejscowoscDostajeObaPrzesunieciaPodNowymIdentyfikatorem) {
  // A place already posted, so that the new one does not get identifier 1 by chance.
  ASSERT_TRUE(ZapiszMiejsce(*Mag, {0, "Hamburg", -600, 3213, RodzajZagraniczny, Niemcy}).Ok());
  auto e = RozpocznijEdycjePrzesuniec(*Mag, 0);
  ASSERT_TRUE(e.Ok());
  EXPECT_EQ(DodajPrzesuniecie(e.Wartosc, 60), "");
  EXPECT_EQ(DodajPrzesuniecie(e.Wartosc, 120), "");
  auto id = ZapiszMiejsceZPrzesunieciami(*Mag, {0, "Berlin", -805, 3151, RodzajZagraniczny, Niemcy},
                                         e.Wartosc);
  ASSERT_TRUE(id.Ok()) << id.Blad.toStdString();
  EXPECT_NE(id.Wartosc, 0);
  EXPECT_EQ(PrzesunieciaMiejsca(*Mag, id.Wartosc).Wartosc, (std::vector<int>{60, 120}));
  EXPECT_EQ(WierszyPrzesuniec(), 2);
}

TEST_F(Przesuniecia, ZakresIPowtorzeniaSaOdrzucane) {
  TEdycjaPrzesuniec e;
  struct TPrzypadek {
    double Minuty;
    const char* Blad;
  };
  const TPrzypadek przypadki[] = {
      {-720, ""},
      {780, ""},
      {-750, "Przesunięcie czasowe musi być w zakresie -12..13."},
      {810, "Przesunięcie czasowe musi być w zakresie -12..13."},
      {345, ""},
      {344.6, "Podane przesunięcie czasowe już istnieje."}, // rounds to 345
      {-720, "Podane przesunięcie czasowe już istnieje."},
  };
  for (const auto& p : przypadki)
    EXPECT_EQ(DodajPrzesuniecie(e, p.Minuty), QString(p.Blad)) << p.Minuty;
  EXPECT_EQ(e.Biezace, (std::vector<int>{-720, 780, 345}));
  // Changing a cell to its own value is fine, to another cell's value is not.
  EXPECT_EQ(ZmienPrzesuniecie(e, 2, 345), "");
  EXPECT_EQ(ZmienPrzesuniecie(e, 2, 780), "Podane przesunięcie czasowe już istnieje.");
  EXPECT_EQ(ZmienPrzesuniecie(e, 2, 330), "");
  UsunPrzesuniecie(e, 0);
  UsunPrzesuniecie(e, 17);
  EXPECT_EQ(e.Biezace, (std::vector<int>{780, 330}));
}

TEST_F(Przesuniecia, AnulowanieNieZmieniaBazyAZapisZmieniaTylkoTeMiejscowosc) {
  auto berlin = ZapiszMiejsce(*Mag, {0, "Berlin", -805, 3151, RodzajZagraniczny, Niemcy});
  auto hamburg = ZapiszMiejsce(*Mag, {0, "Hamburg", -600, 3213, RodzajZagraniczny, Niemcy});
  {
    auto e = RozpocznijEdycjePrzesuniec(*Mag, berlin.Wartosc).Wartosc;
    ASSERT_EQ(DodajPrzesuniecie(e, 60), "");
    ASSERT_EQ(DodajPrzesuniecie(e, 120), "");
    ASSERT_TRUE(ZapiszPrzesuniecia(*Mag, e, berlin.Wartosc).Ok());
    auto h = RozpocznijEdycjePrzesuniec(*Mag, hamburg.Wartosc).Wartosc;
    ASSERT_EQ(DodajPrzesuniecie(h, 60), "");
    ASSERT_TRUE(ZapiszPrzesuniecia(*Mag, h, hamburg.Wartosc).Ok());
  }
  {
    // Edits dropped without saving: cancel.
    auto e = RozpocznijEdycjePrzesuniec(*Mag, berlin.Wartosc).Wartosc;
    EXPECT_EQ(DodajPrzesuniecie(e, 60), "Podane przesunięcie czasowe już istnieje.");
    ASSERT_EQ(DodajPrzesuniecie(e, 180), "");
    UsunPrzesuniecie(e, 0);
  }
  EXPECT_EQ(PrzesunieciaMiejsca(*Mag, berlin.Wartosc).Wartosc, (std::vector<int>{60, 120}));
  {
    auto e = RozpocznijEdycjePrzesuniec(*Mag, berlin.Wartosc).Wartosc;
    ASSERT_EQ(DodajPrzesuniecie(e, 180), "");
    ASSERT_EQ(ZmienPrzesuniecie(e, 0, 0), "");
    ASSERT_TRUE(ZapiszPrzesuniecia(*Mag, e, berlin.Wartosc).Ok());
  }
  EXPECT_EQ(PrzesunieciaMiejsca(*Mag, berlin.Wartosc).Wartosc, (std::vector<int>{0, 120, 180}));
  EXPECT_EQ(PrzesunieciaMiejsca(*Mag, hamburg.Wartosc).Wartosc, (std::vector<int>{60}));
}

TEST_F(Przesuniecia, NieudanyZapisMiejscowosciNieZostawiaPrzesuniec) {
  ASSERT_TRUE(ZapiszMiejsce(*Mag, {0, "Berlin", -805, 3151, RodzajZagraniczny, Niemcy}).Ok());
  TEdycjaPrzesuniec e;
  ASSERT_EQ(DodajPrzesuniecie(e, 60), "");
  auto w =
      ZapiszMiejsceZPrzesunieciami(*Mag, {0, "Berlin", -805, 3151, RodzajZagraniczny, Niemcy}, e);
  EXPECT_EQ(w.Blad, "Istnieje już miejsowość z podaną nazwą.");
  EXPECT_EQ(WierszyPrzesuniec(), 0);
}

TEST(TekstGodzin, GodzinyZPolskimPrzecinkiem) {
  const QLocale pl(QLocale::Polish, QLocale::Poland);
  EXPECT_EQ(TekstGodzin(345, pl), "5,75");
  EXPECT_EQ(TekstGodzin(90, pl), "1,5");
  EXPECT_EQ(TekstGodzin(-720, pl), "-12");
  EXPECT_EQ(MinutyZTekstuGodzin("5,75", pl), 345.0);
  EXPECT_EQ(MinutyZTekstuGodzin(" -12 ", pl), -720.0);
  EXPECT_EQ(MinutyZTekstuGodzin("abc", pl), std::nullopt);
  EXPECT_EQ(MinutyZTekstuGodzin("", pl), std::nullopt);
}

} // namespace
} // namespace kartoteka
