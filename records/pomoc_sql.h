#pragma once
// Conversions between the records and SQLite values, shared by the store's units.
#include "data_czas.h"
#include "magazyn.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace kartoteka::pomoc {

inline QVariant Wartosc(const std::optional<std::int32_t>& v) {
  return v ? QVariant(*v) : QVariant(QMetaType::fromType<int>());
}

inline std::optional<std::int32_t> Opcjonalna(const QVariant& v) {
  if (v.isNull())
    return std::nullopt;
  return v.toInt();
}

// Dates are stored as "yyyy-mm-dd", times as "hh:mm".
QString DataNaTekst(const obliczenia::TDataKalendarzowa& d);
std::optional<obliczenia::TDataKalendarzowa> DataZTekstu(const QString& t);
QString CzasNaTekst(const obliczenia::TCzasZegarowy& c);
std::optional<obliczenia::TCzasZegarowy> CzasZTekstu(const QString& t);

// Runs a prepared query; on failure fills *blad with the Polish message.
bool Wykonaj(QSqlQuery& q, const QString& plik, QString* blad);

} // namespace kartoteka::pomoc
