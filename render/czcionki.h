#pragma once
// The two fonts every drawing selects by name.
#include <QString>

namespace grafika {

inline const QString CzcionkaSymboli = QStringLiteral("Redudorevi");
inline const QString CzcionkaTekstu = QStringLiteral("Tahoma");
// The installed sans font that stands in for "Tahoma" (fonts-noto-core):
// measured by cell height it is about as wide as the original.
inline const QString ZastepstwoTekstu = QStringLiteral("Noto Sans");

// Registers the bundled symbol font and the text-font substitute; call once
// after the QGuiApplication exists. False when the symbol font cannot be loaded.
bool ZarejestrujCzcionki();

} // namespace grafika
