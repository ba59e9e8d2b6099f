#include "dialogi_stref.h"

#include "przes_gmt.h"
#include "wspolne_okien.h"
#include "wybor_strefy.h"

#include <QApplication>

namespace strefy {

TDialogiStref DialogiOkienkowe(TFormWyborStrefy& wyborStrefy, TFormPrzesGMT& przesGMT) {
  TDialogiStref dialogi;
  dialogi.WybierzObszar = [&wyborStrefy](const std::vector<TOpisStrefy>& lista) {
    return wyborStrefy.WybierzObszar(lista);
  };
  dialogi.PodajPrzesuniecie = [&przesGMT] { return przesGMT.PodajPrzesuniecie(); };
  dialogi.PokazKomunikat = [](std::string_view tekst) {
    PokazKomunikatOkna(QApplication::activeWindow(),
                       QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size())));
  };
  return dialogi;
}

} // namespace strefy
