#include "znaki.h"

#include <cmath>

namespace grafika {

int WpisZnakuAspektu(int rodzaj) {
  for (int i = 1; i <= ZnakiAspektow.Rozmiar(); ++i)
    if (ZnakiAspektow[i].Rodzaj == rodzaj)
      return i;
  return 0;
}

QString NazwaPunktu(int punkt) {
  static const char* const nazwy[] = {
      "SŁOŃCE",           "KSIĘŻYC",          "MERKURY",   "WENUS",  "MARS",
      "JOWISZ",           "SATURN",           "URAN",      "NEPTUN", "PLUTON",
      "WĘZEŁ KSIĘŻYCOWY", "WĘZEŁ KSIĘŻYCOWY", "ASCENDENT", "MC"};
  if (punkt < 1 || punkt > 14)
    return {};
  return QString::fromUtf8(nazwy[punkt - 1]);
}

QString NazwaAspektu(int rodzaj) {
  static const char* const nazwy[] = {"KONIUNKCJA",     "WIGINTYL",   "PÓŁSEKSTYL", "DECYL",
                                      "NONAGON",        "PÓŁKWADRAT", "SEPTYL",     "SEKSTYL",
                                      "KWINTYL",        "KWADRATURA", "TRIDECYL",   "TRYGON",
                                      "PÓŁTORAKWADRAT", "BIKWINTYL",  "KWINKUNKS",  "OPOZYCJA"};
  if (rodzaj < 0 || rodzaj > 15)
    return {};
  return QString::fromUtf8(nazwy[rodzaj]);
}

void UstawPalete(TPaletaWykresu& paleta, bool druk, int rodzajDruku) {
  paleta.TrybDruku = druk;
  if (!druk || rodzajDruku == DrukKolorowy) {
    const bool trybDruku = paleta.TrybDruku;
    paleta = TPaletaWykresu{};
    paleta.TrybDruku = trybDruku;
    if (druk)
      paleta.KolorSwiatel = QColor(250, 120, 0);
  } else if (rodzajDruku == DrukCzarnoBialy) {
    for (QColor* k : {&paleta.KolorZnakow, &paleta.KolorPlanet, &paleta.KolorSwiatel,
                      &paleta.KolorOsiAsc, &paleta.KolorOsiMC, &paleta.KolorWezlow,
                      &paleta.KolorHarmonijny, &paleta.KolorNapiety, &paleta.KolorRetro})
      *k = QColor(0, 0, 0);
  }
}

QColor KolorAspektu(const TPaletaWykresu& paleta, int rodzaj) {
  switch (rodzaj) {
  case 0:
    return paleta.KolorSwiatel;
  case 7:
  case 11:
    return paleta.KolorHarmonijny;
  case 5:
  case 9:
  case 12:
  case 15:
    return paleta.KolorNapiety;
  default:
    return QColor(0, 0, 0);
  }
}

QColor KolorZnakuPunktu(const TPaletaWykresu& paleta, char znak) {
  if (znak == '4' || znak == '5')
    return paleta.KolorSwiatel;
  if (znak == '>' || znak == '?')
    return paleta.KolorWezlow;
  return paleta.KolorPlanet;
}

QPoint PunktNaKole(const TGeometriaKola& kolo, double dlugosc, double promien) {
  const double theta = (dlugosc + kolo.Obrot) * M_PI / 180.0;
  return QPoint(kolo.SrodekX + static_cast<int>(std::nearbyint(-std::cos(theta) * promien)),
                kolo.SrodekY + static_cast<int>(std::nearbyint(std::sin(theta) * promien)));
}

QString TekstStopni(bool zSekundami, double x) {
  const int d = static_cast<int>(std::trunc(x));
  const int m = static_cast<int>(std::trunc((x - d) * 60.0));
  const int s = static_cast<int>(std::trunc((x - d - m / 60.0) * 3600.0));
  const auto dwie = [](int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
  QString t = dwie(d) + QString::fromUtf8("° ") + dwie(m) + QLatin1Char('\'');
  if (zSekundami)
    t += QLatin1Char(' ') + dwie(s) + QLatin1Char('"');
  return t;
}

} // namespace grafika
