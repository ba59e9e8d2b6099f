#pragma once
// A computed value or the reason it could not be computed. The reason is a
// Polish sentence (UTF-8) fit to show the user as it is.
#include <optional>
#include <string>
#include <utility>

namespace wykres {

struct TBladObliczen {
  std::string Komunikat;
  friend bool operator==(const TBladObliczen&, const TBladObliczen&) = default;
};

template <typename T> struct TWynik {
  std::optional<T> Wartosc; // set exactly when the computation succeeded
  TBladObliczen Blad;       // meaningful only without a value

  bool Udany() const { return Wartosc.has_value(); }
  explicit operator bool() const { return Udany(); }
  const T& operator*() const { return *Wartosc; }
  const T* operator->() const { return &*Wartosc; }
};

template <typename T> TWynik<T> Sukces(T wartosc) {
  TWynik<T> w;
  w.Wartosc.emplace(std::move(wartosc));
  return w;
}

template <typename T> TWynik<T> Porazka(std::string komunikat) {
  TWynik<T> w;
  w.Blad.Komunikat = std::move(komunikat);
  return w;
}

} // namespace wykres
