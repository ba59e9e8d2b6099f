#include "przesuniecia.h"

#include "pomoc_sql.h"
#include "rekordy_kartoteki.h"
#include "zapytania.h"

#include <algorithm>
#include <cmath>

namespace kartoteka {

namespace {

QString SprawdzIZaokraglij(const TEdycjaPrzesuniec& e, double minuty,
                           std::optional<std::size_t> pomin, int* wynik) {
  if (!std::isfinite(minuty))
    return "Podaj wartość liczbową lub wciśnij Esc.";
  const double m = std::round(minuty);
  if (m < NajmniejszePrzesuniecie || m > NajwiekszePrzesuniecie)
    return "Przesunięcie czasowe musi być w zakresie -12..13.";
  const int v = static_cast<int>(m);
  for (std::size_t i = 0; i < e.Biezace.size(); ++i)
    if (e.Biezace[i] == v && i != pomin)
      return "Podane przesunięcie czasowe już istnieje.";
  *wynik = v;
  return {};
}

bool Zawiera(const std::vector<int>& v, int x) {
  return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

TWynik<std::vector<int>> PrzesunieciaMiejsca(const TMagazyn& mag, std::int32_t idMiejsca) {
  using W = TWynik<std::vector<int>>;
  QSqlQuery q(mag.Baza());
  q.prepare(zapytania::PrzesunieciaMiejsca);
  q.bindValue(":IdMiejsca", idMiejsca);
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  std::vector<int> wynik;
  while (q.next())
    wynik.push_back(static_cast<int>(std::lround(q.value(0).toDouble())));
  return W::Sukces(std::move(wynik));
}

TWynik<TEdycjaPrzesuniec> RozpocznijEdycjePrzesuniec(const TMagazyn& mag, std::int32_t idMiejsca) {
  using W = TWynik<TEdycjaPrzesuniec>;
  TEdycjaPrzesuniec e;
  e.IdMiejsca = idMiejsca;
  if (idMiejsca != 0) {
    auto p = PrzesunieciaMiejsca(mag, idMiejsca);
    if (!p.Ok())
      return W::Porazka(p.Blad);
    e.Zapisane = p.Wartosc;
    e.Biezace = p.Wartosc;
  }
  return W::Sukces(std::move(e));
}

QString DodajPrzesuniecie(TEdycjaPrzesuniec& e, double minuty) {
  int v = 0;
  QString blad = SprawdzIZaokraglij(e, minuty, std::nullopt, &v);
  if (blad.isEmpty())
    e.Biezace.push_back(v);
  return blad;
}

QString ZmienPrzesuniecie(TEdycjaPrzesuniec& e, std::size_t indeks, double minuty) {
  if (indeks >= e.Biezace.size())
    return DodajPrzesuniecie(e, minuty);
  int v = 0;
  QString blad = SprawdzIZaokraglij(e, minuty, indeks, &v);
  if (blad.isEmpty())
    e.Biezace[indeks] = v;
  return blad;
}

void UsunPrzesuniecie(TEdycjaPrzesuniec& e, std::size_t indeks) {
  if (indeks < e.Biezace.size())
    e.Biezace.erase(e.Biezace.begin() + static_cast<std::ptrdiff_t>(indeks));
}

TStatus ZapiszPrzesunieciaWTransakcji(TMagazyn& mag, const TEdycjaPrzesuniec& e,
                                      std::int32_t idMiejsca) {
  QSqlDatabase db = mag.Baza();
  QString blad;
  // A copy read for another place (or for none) replaces whatever the target holds.
  const bool tenSam = e.IdMiejsca == idMiejsca;
  std::vector<int> zapisane = e.Zapisane;
  if (!tenSam) {
    QSqlQuery u(db);
    u.prepare(zapytania::UsunPrzesunieciaMiejsca);
    u.bindValue(":IdMiejsca", idMiejsca);
    if (!pomoc::Wykonaj(u, mag.Plik, &blad))
      return {blad};
    zapisane.clear();
  }
  QSqlQuery usun(db);
  usun.prepare("DELETE FROM PrzesGMT WHERE IdMiejsca = :IdMiejsca AND Przesuniecie = :P");
  for (int p : zapisane) {
    if (Zawiera(e.Biezace, p))
      continue;
    usun.bindValue(":IdMiejsca", idMiejsca);
    usun.bindValue(":P", double(p));
    if (!pomoc::Wykonaj(usun, mag.Plik, &blad))
      return {blad};
  }
  QSqlQuery dodaj(db);
  dodaj.prepare("INSERT INTO PrzesGMT (IdMiejsca, Przesuniecie) VALUES (:IdMiejsca, :P)");
  for (int p : e.Biezace) {
    if (Zawiera(zapisane, p))
      continue;
    dodaj.bindValue(":IdMiejsca", idMiejsca);
    dodaj.bindValue(":P", double(p));
    if (!dodaj.exec())
      return {CzyNaruszenieOgraniczenia(dodaj.lastError())
                  ? QString("Podane przesunięcie czasowe już istnieje.")
                  : KomunikatBledu(dodaj.lastError(), mag.Plik)};
  }
  return {};
}

TStatus ZapiszPrzesuniecia(TMagazyn& mag, const TEdycjaPrzesuniec& e, std::int32_t idMiejsca) {
  TTransakcja t(mag.Baza());
  if (!t.Rozpoczeta())
    return {t.Blad()};
  if (auto s = ZapiszPrzesunieciaWTransakcji(mag, e, idMiejsca); !s.Ok())
    return s;
  if (!t.Zatwierdz())
    return {t.Blad()};
  return {};
}

QString TekstGodzin(int minuty, const QLocale& jezyk) {
  return jezyk.toString(minuty / 60.0, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> MinutyZTekstuGodzin(const QString& tekst, const QLocale& jezyk) {
  bool ok = false;
  const double godziny = jezyk.toDouble(tekst.trimmed(), &ok);
  if (!ok || !std::isfinite(godziny))
    return std::nullopt;
  return godziny * 60.0;
}

} // namespace kartoteka
