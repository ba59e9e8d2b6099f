#include "wspolne_okien.h"

#include <QDialog>
#include <QMessageBox>
#include <QScreen>

namespace strefy {

void UstawOknoDialogu(QDialog& okno, const QString& tytul, int szerokosc, int wysokosc) {
  okno.setWindowTitle(tytul);
  okno.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  QFont czcionka(QStringLiteral("Tahoma"));
  czcionka.setPointSize(8);
  okno.setFont(czcionka);
  okno.setFixedSize(szerokosc, wysokosc);
  okno.setModal(true);
}

void WysrodkujNaEkranie(QWidget& okno) {
  if (const QScreen* ekran = okno.screen())
    okno.move(ekran->availableGeometry().center() - okno.rect().center());
}

void PokazKomunikatOkna(QWidget* rodzic, const QString& tekst) {
  QMessageBox::information(rodzic, TytulKomunikatu, tekst);
}

} // namespace strefy
