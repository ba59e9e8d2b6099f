#include "opisy.h"

#include "pomoc_sql.h"

#include <initializer_list>
#include <utility>

namespace kartoteka {

namespace {

TOpis Opis(const TMagazyn& mag, const char* sql,
           std::initializer_list<std::pair<const char*, int>> klucz) {
  QSqlQuery q(mag.Baza());
  q.prepare(sql);
  for (const auto& [nazwa, wartosc] : klucz)
    q.bindValue(nazwa, wartosc);
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return TOpis::Porazka(blad);
  if (!q.next() || q.value(0).isNull())
    return TOpis::Sukces(std::nullopt);
  return TOpis::Sukces(q.value(0).toString());
}

} // namespace

TOpis OpisStopnia(const TMagazyn& mag, int stopien) {
  return Opis(mag, "SELECT Opis FROM Stopnie WHERE Stopien = :a", {{":a", stopien}});
}

TOpis OpisPlanetyWZnaku(const TMagazyn& mag, int idPlanety, int nrZnaku) {
  return Opis(mag, "SELECT Opis FROM pwz WHERE IdPlanety = :a AND NrZnaku = :b",
              {{":a", idPlanety}, {":b", nrZnaku}});
}

TOpis OpisPlanetyWDomu(const TMagazyn& mag, int idPlanety, int nrDomu) {
  return Opis(mag, "SELECT Opis FROM pwd WHERE IdPlanety = :a AND NrDomu = :b",
              {{":a", idPlanety}, {":b", nrDomu}});
}

TOpis OpisAspektu(const TMagazyn& mag, int idPlanety1, int idPlanety2) {
  return Opis(mag, "SELECT Opis FROM Aspekty WHERE IdPlanety1 = :a AND IdPlanety2 = :b",
              {{":a", idPlanety1}, {":b", idPlanety2}});
}

TOpis OpisAspektuPorown(const TMagazyn& mag, int planeta1, int planeta2, int aspekt) {
  return Opis(mag, "SELECT Opis FROM APorown WHERE Planeta1 = :a AND Planeta2 = :b AND Aspekt = :c",
              {{":a", planeta1}, {":b", planeta2}, {":c", aspekt}});
}

TOpis OpisDomuPorown(const TMagazyn& mag, int planeta1, int dom) {
  return Opis(mag, "SELECT Opis FROM DomyPorown WHERE Planeta1 = :a AND Dom = :b",
              {{":a", planeta1}, {":b", dom}});
}

} // namespace kartoteka
