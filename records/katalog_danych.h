#pragma once
// Where the data directory is: the program's option, else the environment,
// else "dane" under the current directory.
#include <QString>
#include <QStringList>

#include <optional>

namespace kartoteka {

inline constexpr char ZmiennaKataloguDanych[] = "KOSMOTYP_DANE";
inline constexpr char OpcjaKataloguDanych[] = "--dane";
inline constexpr char DomyslnyKatalogDanych[] = "dane";

// "--dane KATALOG" or "--dane=KATALOG" among the program's arguments (argv[0] excluded).
std::optional<QString> KatalogZArgumentow(const QStringList& argumenty);

// Absolute path of the data directory.
QString UstalKatalogDanych(const std::optional<QString>& zOpcji);

} // namespace kartoteka
