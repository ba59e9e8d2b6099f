#pragma once
// A fixed-size array indexed from 1, as the chart model numbers its points,
// houses and aspect slots. A plain aggregate: copyable, comparable, no heap.
#include <array>
#include <cassert>
#include <cstddef>

namespace obliczenia {

template <typename T, int N> struct TTablicaOd1 {
  std::array<T, N> Elementy{};

  constexpr T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return Elementy[static_cast<std::size_t>(i - 1)];
  }
  constexpr const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return Elementy[static_cast<std::size_t>(i - 1)];
  }
  static constexpr int Rozmiar() { return N; }
  constexpr auto begin() { return Elementy.begin(); }
  constexpr auto end() { return Elementy.end(); }
  constexpr auto begin() const { return Elementy.begin(); }
  constexpr auto end() const { return Elementy.end(); }
  friend constexpr bool operator==(const TTablicaOd1&, const TTablicaOd1&) = default;
};

} // namespace obliczenia
