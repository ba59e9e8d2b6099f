#include "katalog_danych.h"

#include <QDir>

namespace kartoteka {

std::optional<QString> KatalogZArgumentow(const QStringList& argumenty) {
  const QString opcja = OpcjaKataloguDanych;
  std::optional<QString> wynik;
  for (qsizetype i = 0; i < argumenty.size(); ++i) {
    if (argumenty[i] == opcja && i + 1 < argumenty.size())
      wynik = argumenty[++i];
    else if (argumenty[i].startsWith(opcja + "="))
      wynik = argumenty[i].mid(opcja.size() + 1);
  }
  return wynik;
}

QString UstalKatalogDanych(const std::optional<QString>& zOpcji) {
  QString katalog;
  if (zOpcji && !zOpcji->isEmpty())
    katalog = *zOpcji;
  else if (const QString z = qEnvironmentVariable(ZmiennaKataloguDanych); !z.isEmpty())
    katalog = z;
  else
    katalog = DomyslnyKatalogDanych;
  return QDir::cleanPath(QDir::current().absoluteFilePath(katalog));
}

} // namespace kartoteka
