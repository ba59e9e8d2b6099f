#pragma once
// Results of store operations: a value or a Polish message for the user.
#include <QString>

#include <utility>

namespace kartoteka {

struct TStatus {
  QString Blad; // empty when the operation succeeded
  bool Ok() const { return Blad.isEmpty(); }
};

template <class T> struct TWynik {
  T Wartosc{};
  QString Blad;
  bool Ok() const { return Blad.isEmpty(); }
  static TWynik Sukces(T wartosc) { return {std::move(wartosc), {}}; }
  static TWynik Porazka(QString blad) { return {T{}, std::move(blad)}; }
};

} // namespace kartoteka
