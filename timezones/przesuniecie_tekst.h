#pragma once
// The GMT offset as the user types it: hours with a decimal comma, as the
// Polish locale writes numbers ("+1", "-12", "1,5").
#include <cstdint>
#include <optional>
#include <string_view>

namespace strefy {

inline constexpr std::string_view KomunikatPodajPrzesuniecie = "Podaj przesunięcie czasowe.";
inline constexpr std::string_view KomunikatNieLiczba = "Podaj prawidłową wartość numeryczną.";
inline constexpr std::string_view KomunikatPozaZakresem =
    "Przesunięcie czasowe musi być w zakresie -12..13.";

inline constexpr std::int32_t NajmniejszePrzesuniecie = -720; // minutes
inline constexpr std::int32_t NajwiekszePrzesuniecie = 780;

// The characters the offset edit lets through (besides backspace).
bool CzyZnakPrzesuniecia(char32_t znak);

// Hours as typed (optional sign, digits, one decimal comma; no blanks) to
// whole minutes, halves to the even minute; nothing when it is not a number.
std::optional<std::int64_t> MinutyZTekstu(std::string_view tekst);

// The close check of the offset dialog: the message that keeps it open, or an
// empty view when the text is acceptable. Blanks around the text are ignored.
std::string_view SprawdzPrzesuniecie(std::string_view tekst);

} // namespace strefy
