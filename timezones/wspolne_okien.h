#pragma once
// What both time-zone dialogs share: their font, frame and placement.
#include <QString>

class QDialog;
class QWidget;

namespace strefy {

inline const QString TytulKomunikatu = QStringLiteral("Kosmotyp");

// Tahoma 8 pt, a fixed client area, a title bar with only the system menu.
void UstawOknoDialogu(QDialog& okno, const QString& tytul, int szerokosc, int wysokosc);
void WysrodkujNaEkranie(QWidget& okno);
// A plain message box over the given window.
void PokazKomunikatOkna(QWidget* rodzic, const QString& tekst);

} // namespace strefy
