#pragma once
// The computed fields that the lists show, defined once for every window.
#include "rekordy_kartoteki.h"

#include <QString>

namespace kartoteka {

// The program's short date format (the date edits read "rrrr-mm-dd").
inline constexpr char FormatDatyKrotki[] = "yyyy-MM-dd";

// "Kowalski Jan": surname, a blank, first name.
QString NazImie(const TOsoba& o);
// "1970-05-01   13:45  (12:45 GMT)"; with no time: "1970-05-01     (00:00 GMT)".
QString DataCzas(const TOsoba& o);
// "19° 56' E", "50° 04' N".
QString DlugoscSM(std::int32_t dlugosc);
QString SzerokoscSM(std::int32_t szerokosc);
// "+1:00" of an offset rounded to whole minutes.
QString PrzesFormat(double przesuniecie);

} // namespace kartoteka
