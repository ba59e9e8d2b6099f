#include "przeglad_danych.h"

#include "magazyn.h"
#include "schemat.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace kartoteka {

TWynik<TPrzegladDanych> PrzejrzyjDane(const QString& katalog) {
  using W = TWynik<TPrzegladDanych>;
  auto otwarcie = OtworzMagazyn(katalog);
  if (!otwarcie.Ok())
    return W::Porazka(otwarcie.Blad);
  const TMagazyn& mag = *otwarcie.Wartosc;
  TPrzegladDanych p;
  p.Katalog = mag.Katalog;
  p.Utworzony = mag.Utworzony;
  {
    QSqlQuery q(mag.Baza());
    if (!q.exec("PRAGMA integrity_check"))
      return W::Porazka(KomunikatBledu(q.lastError(), mag.Plik));
    QStringList wyniki;
    while (q.next())
      wyniki << q.value(0).toString();
    if (wyniki != QStringList{"ok"})
      return W::Porazka(QString("Baza danych „%1” jest uszkodzona: %2")
                            .arg(mag.Plik, wyniki.mid(0, 5).join("; ")));
    QSqlQuery fk(mag.Baza());
    if (!fk.exec("PRAGMA foreign_key_check"))
      return W::Porazka(KomunikatBledu(fk.lastError(), mag.Plik));
    if (fk.next())
      return W::Porazka(QString("Baza danych „%1” zawiera odwołania do nieistniejących wierszy "
                                "(tabela %2).")
                            .arg(mag.Plik, fk.value(0).toString()));
  }
  for (const QString& tabela : NazwyTabel()) {
    QSqlQuery q(mag.Baza());
    // Table names come from the fixed list, never from the user.
    if (!q.exec("SELECT count(*) FROM " + tabela) || !q.next())
      return W::Porazka(KomunikatBledu(q.lastError(), mag.Plik));
    p.LiczbyWierszy.emplace_back(tabela, q.value(0).toLongLong());
  }
  return W::Sukces(std::move(p));
}

QString TekstPrzegladu(const TPrzegladDanych& p) {
  QString t = QString("Katalog danych: %1\n").arg(p.Katalog);
  if (p.Utworzony)
    t += "Utworzono nową bazę danych z dostarczonymi miejscowościami.\n";
  t += "Sprawdzenie spójności: ok\n";
  for (const auto& [tabela, liczba] : p.LiczbyWierszy)
    t += QString("%1\t%2\n").arg(tabela).arg(liczba);
  return t;
}

} // namespace kartoteka
