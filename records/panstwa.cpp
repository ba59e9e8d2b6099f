#include "panstwa.h"

#include "pomoc_sql.h"

#include <QSqlError>

namespace kartoteka {

namespace {
const QString IstniejePanstwo = "Istnieje już państwo z podaną nazwą.";

TPanstwo Panstwo(const QSqlQuery& q) {
  return {q.value(0).toInt(), q.value(1).toString()};
}
} // namespace

QString KluczNazwyPanstwa(const QString& nazwa) {
  return nazwa.normalized(QString::NormalizationForm_C).toCaseFolded();
}

TWynik<std::int32_t> DodajPanstwo(TMagazyn& mag, const QString& nazwa) {
  using W = TWynik<std::int32_t>;
  const QString n = nazwa.trimmed();
  if (n.isEmpty())
    return W::Porazka("Podaj nazwę.");
  if (n.size() > DlugoscNazwyPanstwa)
    return W::Porazka(
        QString("Nazwa państwa może mieć najwyżej %1 znaków.").arg(DlugoscNazwyPanstwa));
  QSqlQuery q(mag.Baza());
  q.prepare("INSERT INTO Panstwa (Nazwa, NazwaKlucz) VALUES (:Nazwa, :Klucz)");
  q.bindValue(":Nazwa", n);
  q.bindValue(":Klucz", KluczNazwyPanstwa(n));
  if (!q.exec())
    return W::Porazka(CzyNaruszenieOgraniczenia(q.lastError())
                          ? IstniejePanstwo
                          : KomunikatBledu(q.lastError(), mag.Plik));
  return W::Sukces(q.lastInsertId().toInt());
}

TWynik<std::optional<TPanstwo>> ZnajdzPanstwo(const TMagazyn& mag, std::int32_t idPanstwa) {
  using W = TWynik<std::optional<TPanstwo>>;
  QSqlQuery q(mag.Baza());
  q.prepare("SELECT IdPanstwa, Nazwa FROM Panstwa WHERE IdPanstwa = :Id");
  q.bindValue(":Id", idPanstwa);
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  return W::Sukces(q.next() ? std::optional(Panstwo(q)) : std::nullopt);
}

TWynik<std::optional<TPanstwo>> ZnajdzPanstwoWgNazwy(const TMagazyn& mag, const QString& nazwa) {
  using W = TWynik<std::optional<TPanstwo>>;
  QSqlQuery q(mag.Baza());
  q.prepare("SELECT IdPanstwa, Nazwa FROM Panstwa WHERE NazwaKlucz = :Klucz");
  q.bindValue(":Klucz", KluczNazwyPanstwa(nazwa.trimmed()));
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  return W::Sukces(q.next() ? std::optional(Panstwo(q)) : std::nullopt);
}

TWynik<std::vector<TPanstwo>> ListaPanstw(const TMagazyn& mag) {
  using W = TWynik<std::vector<TPanstwo>>;
  QSqlQuery q(mag.Baza());
  q.prepare("SELECT IdPanstwa, Nazwa FROM Panstwa ORDER BY Nazwa");
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  std::vector<TPanstwo> wynik;
  while (q.next())
    wynik.push_back(Panstwo(q));
  return W::Sukces(std::move(wynik));
}

} // namespace kartoteka
