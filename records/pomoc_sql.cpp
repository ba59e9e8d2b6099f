#include "pomoc_sql.h"

#include <QSqlError>
#include <QStringList>

namespace kartoteka::pomoc {

QString DataNaTekst(const obliczenia::TDataKalendarzowa& d) {
  return QString("%1-%2-%3")
      .arg(d.Rok, 4, 10, QChar('0'))
      .arg(d.Miesiac, 2, 10, QChar('0'))
      .arg(d.Dzien, 2, 10, QChar('0'));
}

std::optional<obliczenia::TDataKalendarzowa> DataZTekstu(const QString& t) {
  const QStringList c = t.split('-');
  if (c.size() != 3)
    return std::nullopt;
  bool a = false, b = false, e = false;
  obliczenia::TDataKalendarzowa d{c[0].toInt(&a), c[1].toInt(&b), c[2].toInt(&e)};
  if (!a || !b || !e || !obliczenia::CzyPoprawnaData(d.Rok, d.Miesiac, d.Dzien))
    return std::nullopt;
  return d;
}

QString CzasNaTekst(const obliczenia::TCzasZegarowy& c) {
  return QString("%1:%2").arg(c.Godzina, 2, 10, QChar('0')).arg(c.Minuta, 2, 10, QChar('0'));
}

std::optional<obliczenia::TCzasZegarowy> CzasZTekstu(const QString& t) {
  const QStringList c = t.split(':');
  if (c.size() != 2)
    return std::nullopt;
  bool a = false, b = false;
  obliczenia::TCzasZegarowy z{c[0].toInt(&a), c[1].toInt(&b), 0, 0};
  if (!a || !b || !obliczenia::CzyPoprawnyCzas(z.Godzina, z.Minuta))
    return std::nullopt;
  return z;
}

bool Wykonaj(QSqlQuery& q, const QString& plik, QString* blad) {
  if (q.exec())
    return true;
  *blad = KomunikatBledu(q.lastError(), plik);
  return false;
}

} // namespace kartoteka::pomoc
