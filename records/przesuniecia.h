#pragma once
// The GMT offsets of foreign places. The editor works on an in-memory copy
// that is written back in one transaction; dropping the copy cancels.
#include "magazyn.h"

#include <QLocale>

#include <cstdint>
#include <optional>
#include <vector>

namespace kartoteka {

// Offsets (minutes) of one place, ascending.
TWynik<std::vector<int>> PrzesunieciaMiejsca(const TMagazyn& mag, std::int32_t idMiejsca);

struct TEdycjaPrzesuniec {
  std::int32_t IdMiejsca = 0; // 0: the place is not posted yet
  std::vector<int> Zapisane;  // as read from the database
  std::vector<int> Biezace;   // as edited, in the strip's order
};

// idMiejsca 0 starts an empty copy for a new place.
TWynik<TEdycjaPrzesuniec> RozpocznijEdycjePrzesuniec(const TMagazyn& mag, std::int32_t idMiejsca);

// Minutes are rounded to whole; range and duplicates are refused with the
// editor's messages. Return: empty on success.
QString DodajPrzesuniecie(TEdycjaPrzesuniec& e, double minuty);
QString ZmienPrzesuniecie(TEdycjaPrzesuniec& e, std::size_t indeks, double minuty);
void UsunPrzesuniecie(TEdycjaPrzesuniec& e, std::size_t indeks);

// Writes the copy for the place idMiejsca (the new identifier of a place
// just posted, or its own) in one transaction.
TStatus ZapiszPrzesuniecia(TMagazyn& mag, const TEdycjaPrzesuniec& e, std::int32_t idMiejsca);
// The same inside a transaction the caller holds.
TStatus ZapiszPrzesunieciaWTransakcji(TMagazyn& mag, const TEdycjaPrzesuniec& e,
                                      std::int32_t idMiejsca);

// Hours as the offsets strip shows and reads them ("5,75" in a Polish locale).
QString TekstGodzin(int minuty, const QLocale& jezyk);
std::optional<double> MinutyZTekstuGodzin(const QString& tekst, const QLocale& jezyk);

} // namespace kartoteka
