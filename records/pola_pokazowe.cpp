#include "pola_pokazowe.h"

#include "teksty_wspolrzednych.h"

#include <QDate>

#include <cmath>

namespace kartoteka {

QString NazImie(const TOsoba& o) {
  return o.Nazwisko + " " + o.Imie;
}

QString DataCzas(const TOsoba& o) {
  const QDate data(o.Data.Rok, o.Data.Miesiac, o.Data.Dzien);
  const obliczenia::TCzasZegarowy czas = o.Czas.value_or(obliczenia::TCzasZegarowy{});
  QString tekst = data.toString(FormatDatyKrotki) + "   ";
  if (o.Czas)
    tekst +=
        QString("%1:%2").arg(czas.Godzina, 2, 10, QChar('0')).arg(czas.Minuta, 2, 10, QChar('0'));
  const auto dataCzas = obliczenia::ZakodujDateCzas(o.Data, czas);
  tekst +=
      "  (" + QString::fromStdString(wykres::TekstCzasuGMT(o.PrzesGMT.value_or(0), dataCzas)) + ")";
  return tekst;
}

QString DlugoscSM(std::int32_t dlugosc) {
  return QString::fromStdString(wykres::TekstDlugosci(dlugosc));
}

QString SzerokoscSM(std::int32_t szerokosc) {
  return QString::fromStdString(wykres::TekstSzerokosci(szerokosc));
}

QString PrzesFormat(double przesuniecie) {
  if (!std::isfinite(przesuniecie) || std::fabs(przesuniecie) > 1e9)
    return {};
  return QString::fromStdString(
      wykres::TekstPrzesGMT(static_cast<std::int32_t>(std::lround(przesuniecie))));
}

} // namespace kartoteka
