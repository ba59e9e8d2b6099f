#include "przesuniecie_tekst.h"

#include <gtest/gtest.h>

using namespace strefy;

TEST(PrzesuniecieTekst, SprawdzenieIMinuty) {
  struct {
    const char* tekst;
    std::string_view komunikat; // empty: accepted
    std::int64_t minuty;
  } przypadki[] = {
      {"+1", {}, 60},
      {"2", {}, 120},
      {"1,5", {}, 90},
      {"-12", {}, -720},
      {"13", {}, 780},
      {"  -1 ", {}, -60},
      {"0,125", {}, 8},  // 7.5 min: halves to even
      {"0,375", {}, 22}, // 22.5 min
      {"-0,125", {}, -8},
      {",5", {}, 30},
      {"13,5", KomunikatPozaZakresem, 810},
      {"-12,1", KomunikatPozaZakresem, -726},
      {"999999", KomunikatPozaZakresem, 59999940},
      {"", KomunikatPodajPrzesuniecie, 0},
      {"   ", KomunikatPodajPrzesuniecie, 0},
      {"+", KomunikatNieLiczba, 0},
      {"-", KomunikatNieLiczba, 0},
      {",", KomunikatNieLiczba, 0},
      {"1,2,3", KomunikatNieLiczba, 0},
      {"1.5", KomunikatNieLiczba, 0},
      {"+-1", KomunikatNieLiczba, 0},
      {"1-", KomunikatNieLiczba, 0},
      {"1 5", KomunikatNieLiczba, 0},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(SprawdzPrzesuniecie(p.tekst), p.komunikat) << "'" << p.tekst << "'";
    if (p.komunikat.empty() || p.komunikat == KomunikatPozaZakresem) {
      std::string_view t = p.tekst;
      while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
      while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
      EXPECT_EQ(MinutyZTekstu(t), p.minuty) << "'" << p.tekst << "'";
    }
  }
}

TEST(PrzesuniecieTekst, ZnakiEdycji) {
  for (const char32_t z : std::u32string_view(U"0123456789+,-"))
    EXPECT_TRUE(CzyZnakPrzesuniecia(z));
  for (const char32_t z : {U'.', U' ', U'a', U'ą', U'e', U'\u2212'})
    EXPECT_FALSE(CzyZnakPrzesuniecia(z));
}
