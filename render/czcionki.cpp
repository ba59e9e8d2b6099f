#include "czcionki.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace grafika {

bool ZarejestrujCzcionki() {
  static const int id =
      QFontDatabase::addApplicationFont(QStringLiteral(":/czcionki/Redudorevi.ttf"));
  if (!QFontDatabase::families().contains(CzcionkaTekstu))
    QFont::insertSubstitution(CzcionkaTekstu, ZastepstwoTekstu);
  return id >= 0;
}

} // namespace grafika
