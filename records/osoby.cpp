#include "osoby.h"

#include "pomoc_sql.h"

#include <QSqlError>

namespace kartoteka {

namespace {

const QString IstniejeOsoba = "Istnieje już osoba z podanym nazwiskiem i imieniem.";
const char KolumnyOsoby[] = "SELECT o.IdOsoby, o.Nazwisko, o.Imie, o.Data, o.Czas, o.PrzesGMT, "
                            "o.IdMiejsca, m.Nazwa, m.Szerokosc, m.Dlugosc "
                            "FROM Osoby o LEFT JOIN Miejsca m ON m.IdMiejsca = o.IdMiejsca ";

TWierszOsoby Wiersz(const QSqlQuery& q) {
  TWierszOsoby w;
  w.Osoba.IdOsoby = q.value(0).toInt();
  w.Osoba.Nazwisko = q.value(1).toString();
  w.Osoba.Imie = q.value(2).toString();
  w.Osoba.Data =
      pomoc::DataZTekstu(q.value(3).toString()).value_or(obliczenia::TDataKalendarzowa{});
  if (!q.value(4).isNull())
    w.Osoba.Czas = pomoc::CzasZTekstu(q.value(4).toString());
  w.Osoba.PrzesGMT = pomoc::Opcjonalna(q.value(5));
  w.Osoba.IdMiejsca = q.value(6).toInt();
  w.Miejsce = q.value(7).toString();
  w.Szer = q.value(8).toInt();
  w.Dlug = q.value(9).toInt();
  return w;
}

TWynik<std::optional<TOsoba>> Jedna(QSqlQuery& q, const TMagazyn& mag) {
  using W = TWynik<std::optional<TOsoba>>;
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  return W::Sukces(q.next() ? std::optional(Wiersz(q).Osoba) : std::nullopt);
}

} // namespace

QString SprawdzOsobe(const TOsoba& o) {
  if (o.Nazwisko.trimmed().isEmpty())
    return "Podaj nazwisko.";
  if (o.Nazwisko.trimmed().size() > DlugoscNazwiska)
    return QString("Nazwisko może mieć najwyżej %1 znaków.").arg(DlugoscNazwiska);
  if (o.Imie.trimmed().size() > DlugoscImienia)
    return QString("Imię może mieć najwyżej %1 znaków.").arg(DlugoscImienia);
  if (o.IdMiejsca == 0)
    return "Wybierz miejsce urodzenia.";
  if (!obliczenia::CzyPoprawnaData(o.Data.Rok, o.Data.Miesiac, o.Data.Dzien))
    return "Podaj prawidłową datę lub wciśnij Esc.";
  if (o.Data.Rok < NajmniejszyRokUrodzenia || o.Data.Rok > NajwiekszyRokUrodzenia)
    return "Rok urodzenia musi być z zakresu 1900..2050.";
  if (o.Czas && (!obliczenia::CzyPoprawnyCzas(o.Czas->Godzina, o.Czas->Minuta) ||
                 o.Czas->Sekunda != 0 || o.Czas->Milisekunda != 0))
    return "Podaj prawidłową godzinę lub wciśnij Esc.";
  if (o.PrzesGMT && (*o.PrzesGMT < NajmniejszePrzesuniecie || *o.PrzesGMT > NajwiekszePrzesuniecie))
    return "Przesunięcie czasowe musi być w zakresie -12..13.";
  return {};
}

TWynik<std::int32_t> ZapiszOsobe(TMagazyn& mag, const TOsoba& osoba) {
  using W = TWynik<std::int32_t>;
  TOsoba o = osoba;
  o.Nazwisko = o.Nazwisko.trimmed();
  o.Imie = o.Imie.trimmed();
  if (QString b = SprawdzOsobe(o); !b.isEmpty())
    return W::Porazka(b);
  TTransakcja t(mag.Baza());
  if (!t.Rozpoczeta())
    return W::Porazka(t.Blad());
  auto inna = ZnajdzOsobeWgNazwiskaImienia(mag, o.Nazwisko, o.Imie);
  if (!inna.Ok())
    return W::Porazka(inna.Blad);
  if (inna.Wartosc && inna.Wartosc->IdOsoby != o.IdOsoby)
    return W::Porazka(IstniejeOsoba);
  QSqlQuery miejsce(mag.Baza());
  miejsce.prepare("SELECT 1 FROM Miejsca WHERE IdMiejsca = :IdMiejsca");
  miejsce.bindValue(":IdMiejsca", o.IdMiejsca);
  QString blad;
  if (!pomoc::Wykonaj(miejsce, mag.Plik, &blad))
    return W::Porazka(blad);
  if (!miejsce.next())
    return W::Porazka("Wybierz miejsce urodzenia.");

  QSqlQuery q(mag.Baza());
  if (o.IdOsoby == 0)
    q.prepare("INSERT INTO Osoby (Nazwisko, Imie, Data, Czas, PrzesGMT, IdMiejsca) "
              "VALUES (:Nazwisko, :Imie, :Data, :Czas, :PrzesGMT, :IdMiejsca)");
  else {
    q.prepare("UPDATE Osoby SET Nazwisko = :Nazwisko, Imie = :Imie, Data = :Data, Czas = :Czas, "
              "PrzesGMT = :PrzesGMT, IdMiejsca = :IdMiejsca WHERE IdOsoby = :IdOsoby");
    q.bindValue(":IdOsoby", o.IdOsoby);
  }
  q.bindValue(":Nazwisko", o.Nazwisko);
  q.bindValue(":Imie", o.Imie);
  q.bindValue(":Data", pomoc::DataNaTekst(o.Data));
  q.bindValue(":Czas", o.Czas ? QVariant(pomoc::CzasNaTekst(*o.Czas))
                              : QVariant(QMetaType::fromType<QString>()));
  q.bindValue(":PrzesGMT", pomoc::Wartosc(o.PrzesGMT));
  q.bindValue(":IdMiejsca", o.IdMiejsca);
  if (!q.exec())
    return W::Porazka(CzyNaruszenieOgraniczenia(q.lastError())
                          ? IstniejeOsoba
                          : KomunikatBledu(q.lastError(), mag.Plik));
  if (o.IdOsoby != 0 && q.numRowsAffected() != 1)
    return W::Porazka("Nie znaleziono osoby w bazie danych.");
  const std::int32_t id = o.IdOsoby != 0 ? o.IdOsoby : q.lastInsertId().toInt();
  if (!t.Zatwierdz())
    return W::Porazka(t.Blad());
  return W::Sukces(id);
}

TStatus UsunOsobe(TMagazyn& mag, std::int32_t idOsoby) {
  QSqlQuery q(mag.Baza());
  q.prepare("DELETE FROM Osoby WHERE IdOsoby = :IdOsoby");
  q.bindValue(":IdOsoby", idOsoby);
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return {blad};
  return {};
}

TWynik<std::optional<TOsoba>> ZnajdzOsobe(const TMagazyn& mag, std::int32_t idOsoby) {
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyOsoby) + "WHERE o.IdOsoby = :IdOsoby");
  q.bindValue(":IdOsoby", idOsoby);
  return Jedna(q, mag);
}

TWynik<std::optional<TOsoba>>
ZnajdzOsobeWgNazwiskaImienia(const TMagazyn& mag, const QString& nazwisko, const QString& imie) {
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyOsoby) + "WHERE o.Nazwisko = :Nazwisko AND o.Imie = :Imie");
  q.bindValue(":Nazwisko", nazwisko);
  q.bindValue(":Imie", imie);
  return Jedna(q, mag);
}

TWynik<std::vector<TWierszOsoby>> ListaOsob(const TMagazyn& mag) {
  using W = TWynik<std::vector<TWierszOsoby>>;
  QSqlQuery q(mag.Baza());
  q.prepare(QString(KolumnyOsoby) + "ORDER BY o.Nazwisko, o.Imie");
  QString blad;
  if (!pomoc::Wykonaj(q, mag.Plik, &blad))
    return W::Porazka(blad);
  std::vector<TWierszOsoby> wynik;
  while (q.next())
    wynik.push_back(Wiersz(q));
  return W::Sukces(std::move(wynik));
}

} // namespace kartoteka
