#pragma once
// The store's fixed SQL statements; every value goes in as a bound parameter.
namespace kartoteka::zapytania {

// Offsets of one place (the person editor's choice list).
inline constexpr char PrzesunieciaMiejsca[] =
    "select Przesuniecie from PrzesGMT p where p.IdMiejsca = :IdMiejsca order by Przesuniecie";

// Offsets of a deleted foreign place. SQLite wants "as" before a DELETE alias.
inline constexpr char UsunPrzesunieciaMiejsca[] =
    "delete from PrzesGMT as p where p.IdMiejsca = :IdMiejsca";

// Foreign places list; places without a country do not appear.
inline constexpr char MiejscaZagraniczne[] =
    "select m.IdMiejsca, m.Nazwa, m.Szerokosc, m.Dlugosc, p.Nazwa as NazPanstwa from Miejsca m "
    "inner join Panstwa p on m.IdPanstwa = p.IdPanstwa where m.Rodzaj = :Rodzaj order by \n";
inline constexpr char PorzadekWgPanstw[] = "p.Nazwa, m.Nazwa";
inline constexpr char PorzadekWgNazw[] = "m.Nazwa";

} // namespace kartoteka::zapytania
