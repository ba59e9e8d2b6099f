#include "zasiew.h"

#include "magazyn.h"
#include "panstwa.h"

#include <QFile>
#include <QHash>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace kartoteka {

namespace {

struct TPlikTsv {
  QStringList Naglowek;
  std::vector<QStringList> Wiersze;
};

TWynik<TPlikTsv> CzytajTsv(const QString& nazwa, int kolumn) {
  using W = TWynik<TPlikTsv>;
  QFile plik(":/dane/" + nazwa);
  if (!plik.open(QIODevice::ReadOnly))
    return W::Porazka(QString("Brak dostarczonego pliku danych „%1”.").arg(nazwa));
  const QString tekst = QString::fromUtf8(plik.readAll());
  TPlikTsv wynik;
  const QStringList linie = tekst.split('\n', Qt::SkipEmptyParts);
  for (qsizetype i = 0; i < linie.size(); ++i) {
    QStringList pola = linie[i].split('\t');
    if (pola.size() != kolumn)
      return W::Porazka(
          QString("Uszkodzony dostarczony plik danych „%1” (wiersz %2).").arg(nazwa).arg(i + 1));
    if (i == 0)
      wynik.Naglowek = std::move(pola);
    else
      wynik.Wiersze.push_back(std::move(pola));
  }
  return W::Sukces(std::move(wynik));
}

bool Liczba(const QString& tekst, int* wartosc) {
  bool ok = false;
  *wartosc = tekst.toInt(&ok);
  return ok;
}

} // namespace

TStatus ZasiejMiejscowosci(QSqlDatabase& db) {
  const QString plikBazy = db.databaseName();
  auto panstwa = CzytajTsv("panstwa.tsv", 2);
  auto polskie = CzytajTsv("miejsca_polskie.tsv", 4);
  auto obce = CzytajTsv("miejsca_zagraniczne.tsv", 6);
  for (const auto* w : {&panstwa.Blad, &polskie.Blad, &obce.Blad})
    if (!w->isEmpty())
      return {*w};
  auto uszkodzony = [](const char* plik, const QStringList& w) {
    return TStatus{QString("Uszkodzony dostarczony plik danych „%1”: „%2”.")
                       .arg(QString::fromUtf8(plik), w.join(' '))};
  };

  QHash<QString, int> idPanstwa;
  QSqlQuery qp(db);
  qp.prepare("INSERT INTO Panstwa (Nazwa, NazwaKlucz) VALUES (:Nazwa, :Klucz)");
  for (const QStringList& w : panstwa.Wartosc.Wiersze) {
    qp.bindValue(":Nazwa", w[1]);
    qp.bindValue(":Klucz", KluczNazwyPanstwa(w[1]));
    if (!qp.exec())
      return {KomunikatBledu(qp.lastError(), plikBazy)};
    idPanstwa.insert(w[0], qp.lastInsertId().toInt());
  }

  QSqlQuery qm(db);
  qm.prepare("INSERT INTO Miejsca (Nazwa, Dlugosc, Szerokosc, Rodzaj, IdPanstwa) "
             "VALUES (:Nazwa, :Dlugosc, :Szerokosc, :Rodzaj, :IdPanstwa)");
  for (const QStringList& w : polskie.Wartosc.Wiersze) {
    int szer = 0, dlug = 0;
    if (!Liczba(w[2], &szer) || !Liczba(w[3], &dlug))
      return uszkodzony("miejsca_polskie.tsv", w);
    qm.bindValue(":Nazwa", w[1]);
    qm.bindValue(":Dlugosc", dlug);
    qm.bindValue(":Szerokosc", szer);
    qm.bindValue(":Rodzaj", RodzajPolski);
    qm.bindValue(":IdPanstwa", QVariant(QMetaType::fromType<int>()));
    if (!qm.exec())
      return {KomunikatBledu(qm.lastError(), plikBazy)};
  }

  QSqlQuery qo(db);
  qo.prepare("INSERT INTO PrzesGMT (IdMiejsca, Przesuniecie) VALUES (:IdMiejsca, :Przesuniecie)");
  for (const QStringList& w : obce.Wartosc.Wiersze) {
    int szer = 0, dlug = 0;
    if (!Liczba(w[3], &szer) || !Liczba(w[4], &dlug) || !idPanstwa.contains(w[2]))
      return uszkodzony("miejsca_zagraniczne.tsv", w);
    qm.bindValue(":Nazwa", w[1]);
    qm.bindValue(":Dlugosc", dlug);
    qm.bindValue(":Szerokosc", szer);
    qm.bindValue(":Rodzaj", RodzajZagraniczny);
    qm.bindValue(":IdPanstwa", idPanstwa.value(w[2]));
    if (!qm.exec())
      return {KomunikatBledu(qm.lastError(), plikBazy)};
    const int idMiejsca = qm.lastInsertId().toInt();
    for (const QString& p : w[5].split(',', Qt::SkipEmptyParts)) {
      int minuty = 0;
      if (!Liczba(p, &minuty))
        return uszkodzony("miejsca_zagraniczne.tsv", w);
      qo.bindValue(":IdMiejsca", idMiejsca);
      qo.bindValue(":Przesuniecie", double(minuty));
      if (!qo.exec())
        return {KomunikatBledu(qo.lastError(), plikBazy)};
    }
  }
  return {};
}

} // namespace kartoteka
