#include "miejsca.h"

#include "pomoc_sql.h"
#include "zapytania.h"

#include <QSqlError>

#include <cstdlib>

namespace kartoteka {

namespace {

const QString IstniejeMiejscowosc = "Istnieje już miejsowość z podaną nazwą.";
const char KolumnyMiejsca[] = "SELECT IdMiejsca, Nazwa, Dlugosc, Szerokosc, Rodzaj, IdPanstwa "
                              "FROM Miejsca ";

TMiejsce Miejsce(const QSqlQuery& q) {
  return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(),
          q.value(3).toInt(), q.value(4).toInt(),    pomoc::Opcjonalna(q.value(5))};
}

TWynik<std::optional<TMiejsce>> Jedno(QSqlQuery& q, const TMagazyn& mag) {
  using W = TWynik<std::optional<TMiejsce>>;
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  return W::Sukces(q.next() ? std::optional(Miejsce(q)) : std::nullopt);
}

// Inside the caller's transaction.
TWynik<std::int32_t> Zapisz(TMagazyn& mag, TMiejsce m) {
  using W = TWynik<std::int32_t>;
  m.Nazwa = m.Nazwa.trimmed();
  if (QString b = SprawdzMiejsce(m); !b.isEmpty())
    return W::Porazka(b);
  auto inny = m.Rodzaj == RodzajPolski
                  ? ZnajdzMiejscePolskie(mag, m.Nazwa)
                  : (m.IdPanstwa ? ZnajdzMiejsceZagraniczne(mag, *m.IdPanstwa, m.Nazwa)
                                 : TWynik<std::optional<TMiejsce>>::Sukces(std::nullopt));
  if (!inny.Ok())
    return W::Porazka(inny.Blad);
  if (inny.Wartosc && inny.Wartosc->IdMiejsca != m.IdMiejsca)
    return W::Porazka(IstniejeMiejscowosc);

  QSqlQuery q(mag.Baza());
  if (m.IdMiejsca == 0)
    q.prepare("INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj, IdPanstwa) "
              "VALUES (:Nazwa, :Dlugosc, :Szerokosc, :Rodzaj, :IdPanstwa)");
  else {
    q.prepare("UPDATE Miejsca SET Nazwa = :Nazwa, Dlugosc = :Dlugosc, Szerokosc = :Szerokosc, "
              "Rodzaj = :Rodzaj, IdPanstwa = :IdPanstwa WHERE IdMiejsca = :IdMiejsca");
    q.bindValue(":IdMiejsca", m.IdMiejsca);
  }
  q.bindValue(":Nazwa", m.Nazwa);
  q.bindValue(":Dlugosc", m.Dlugosc);
  q.bindValue(":Szerokosc", m.Szerokosc);
  q.bindValue(":Rodzaj", m.Rodzaj);
  q.bindValue(":IdPanstwa", pomoc::Wartosc(m.IdPanstwa));
  if (!q.exec())
    return W::Porazka(CzyNaruszenieOgraniczenia(q.lastError())
                          ? IstniejeMiejscowosc
                          : KomunikatBledu(q.lastError(), mag.Plik));
  if (m.IdMiejsca != 0 && q.numRowsAffected() != 1)
    return W::Porazka("Nie znaleziono miejscowości w bazie danych.");
  return W::Sukces(m.IdMiejsca != 0 ? m.IdMiejsca : q.lastInsertId().toInt());
}

} // namespace

QString SprawdzMiejsce(const TMiejsce& m) {
  if (m.Nazwa.trimmed().isEmpty())
    return "Podaj nazwę.";
  if (m.Nazwa.trimmed().size() > DlugoscNazwyMiejsca)
    return QString("Nazwa miejscowości może mieć najwyżej %1 znaków.").arg(DlugoscNazwyMiejsca);
  if (std::abs(m.Dlugosc) > NajwiekszaDlugosc)
    return "Długość geograficzna musi być z zakresu 0°..180° E lub W.";
  if (std::abs(m.Szerokosc) > NajwiekszaSzerokosc)
    return "Szerokość geograficzna musi być z zakresu 0°..90° N lub S.";
  if (m.Rodzaj != RodzajPolski && m.Rodzaj != RodzajZagraniczny)
    return "Nieznany rodzaj miejscowości.";
  if (m.Rodzaj == RodzajPolski && m.IdPanstwa)
    return "Miejscowość polska nie należy do żadnego państwa z listy.";
  return {};
}

TWynik<std::int32_t> ZapiszMiejsce(TMagazyn& mag, const TMiejsce& m) {
  using W = TWynik<std::int32_t>;
  TTransakcja t(mag.Baza());
  if (!t.Rozpoczeta())
    return W::Porazka(t.Blad());
  auto w = Zapisz(mag, m);
  if (w.Ok() && !t.Zatwierdz())
    return W::Porazka(t.Blad());
  return w;
}

TWynik<std::int32_t> ZapiszMiejsceZPrzesunieciami(TMagazyn& mag, const TMiejsce& m,
                                                  const TEdycjaPrzesuniec& przesuniecia) {
  using W = TWynik<std::int32_t>;
  TTransakcja t(mag.Baza());
  if (!t.Rozpoczeta())
    return W::Porazka(t.Blad());
  auto w = Zapisz(mag, m);
  if (!w.Ok())
    return w;
  if (auto s = ZapiszPrzesunieciaWTransakcji(mag, przesuniecia, w.Wartosc); !s.Ok())
    return W::Porazka(s.Blad);
  if (!t.Zatwierdz())
    return W::Porazka(t.Blad());
  return w;
}

TStatus UsunMiejsce(TMagazyn& mag, std::int32_t idMiejsca) {
  TTransakcja t(mag.Baza());
  if (!t.Rozpoczeta())
    return {t.Blad()};
  QString blad;
  QSqlQuery ile(mag.Baza());
  ile.prepare("SELECT count(*) FROM Osoby WHERE IdMiejsca = :IdMiejsca");
  ile.bindValue(":IdMiejsca", idMiejsca);
  if (!pomoc::Wykonaj(ile, mag.Plik, &blad) || !ile.next())
    return {blad};
  if (const int n = ile.value(0).toInt(); n > 0)
    return {QString("Nie można usunąć miejscowości: jest miejscem urodzenia %1 osób.").arg(n)};
  QSqlQuery usun(mag.Baza());
  usun.prepare("DELETE FROM Miejsca WHERE IdMiejsca = :IdMiejsca");
  usun.bindValue(":IdMiejsca", idMiejsca);
  QSqlQuery przes(mag.Baza());
  przes.prepare(zapytania::UsunPrzesunieciaMiejsca);
  przes.bindValue(":IdMiejsca", idMiejsca);
  if (!pomoc::Wykonaj(przes, mag.Plik, &blad) || !pomoc::Wykonaj(usun, mag.Plik, &blad))
    return {blad};
  if (!t.Zatwierdz())
    return {t.Blad()};
  return {};
}

TWynik<std::optional<TMiejsce>> ZnajdzMiejsce(const TMagazyn& mag, std::int32_t idMiejsca) {
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyMiejsca) + "WHERE IdMiejsca = :IdMiejsca");
  q.bindValue(":IdMiejsca", idMiejsca);
  return Jedno(q, mag);
}

TWynik<std::optional<TMiejsce>> ZnajdzMiejscePolskie(const TMagazyn& mag, const QString& nazwa) {
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyMiejsca) + "WHERE Rodzaj = :Rodzaj AND Nazwa = :Nazwa");
  q.bindValue(":Rodzaj", RodzajPolski);
  q.bindValue(":Nazwa", nazwa);
  return Jedno(q, mag);
}

TWynik<std::optional<TMiejsce>>
ZnajdzMiejsceZagraniczne(const TMagazyn& mag, std::int32_t idPanstwa, const QString& nazwa) {
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyMiejsca) +
            "WHERE Rodzaj = :Rodzaj AND IdPanstwa = :IdPanstwa AND Nazwa = :Nazwa");
  q.bindValue(":Rodzaj", RodzajZagraniczny);
  q.bindValue(":IdPanstwa", idPanstwa);
  q.bindValue(":Nazwa", nazwa);
  return Jedno(q, mag);
}

TWynik<std::vector<TMiejsce>> ListaMiejsc(const TMagazyn& mag, int rodzaj) {
  using W = TWynik<std::vector<TMiejsce>>;
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyMiejsca) + "WHERE Rodzaj = :Rodzaj ORDER BY Rodzaj, Nazwa");
  q.bindValue(":Rodzaj", rodzaj);
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  std::vector<TMiejsce> wynik;
  while (q.next())
    wynik.push_back(Miejsce(q));
  return W::Sukces(std::move(wynik));
}

TWynik<std::vector<TWierszMiejscaZagr>> ListaMiejscZagranicznych(const TMagazyn& mag,
                                                                 bool wgPanstw) {
  using W = TWynik<std::vector<TWierszMiejscaZagr>>;
  QSqlQuery q(mag.Baza());
  q.prepare(QString(zapytania::MiejscaZagraniczne) +
            (wgPanstw ? zapytania::PorzadekWgPanstw : zapytania::PorzadekWgNazw));
  q.bindValue(":Rodzaj", RodzajZagraniczny);
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  std::vector<TWierszMiejscaZagr> wynik;
  while (q.next())
    wynik.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(),
                     q.value(3).toInt(), q.value(4).toString()});
  return W::Sukces(std::move(wynik));
}

} // namespace kartoteka
