#include "przes_gmt.h"

#include "przesuniecie_tekst.h"
#include "wspolne_okien.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace strefy {

namespace {
std::string Utf8(const QString& tekst) {
  return tekst.toUtf8().toStdString();
}
QString ZUtf8(std::string_view tekst) {
  return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}
} // namespace

TFormPrzesGMT::TFormPrzesGMT(QWidget* rodzic) : QDialog(rodzic) {
  setObjectName(QStringLiteral("FormPrzesGMT"));
  UstawOknoDialogu(*this, QStringLiteral("Przesunięcie GMT"), 283, 171);

  Label2 = new QLabel(QStringLiteral("Podaj przesunięcie względem czasu GMT"), this);
  Label2->move(16, 16);
  Label2->adjustSize();
  Label1 = new QLabel(QStringLiteral("dla miejsca i momentu urodzenia osoby:"), this);
  Label1->move(16, 36);
  Label1->adjustSize();

  EditPrzes = new QLineEdit(this);
  EditPrzes->setObjectName(QStringLiteral("EditPrzes"));
  EditPrzes->setGeometry(216, 32, 41, 21);
  EditPrzes->setMaxLength(6);
  EditPrzes->installEventFilter(this);

  Label3 = new QLabel(QStringLiteral("Typowe przesunięcia GMT w Polsce:"), this);
  Label3->move(16, 72);
  Label3->adjustSize();
  Label4 = new QLabel(QStringLiteral("+1: czas środkowoeuropejski"), this);
  Label4->move(32, 92);
  Label4->adjustSize();
  Label5 = new QLabel(QStringLiteral("+2: czas wschodnioeuropejski"), this);
  Label5->move(32, 108);
  Label5->adjustSize();

  ButtonOK = new QPushButton(QStringLiteral("OK"), this);
  ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
  ButtonOK->setGeometry(56, 136, 75, 25);
  ButtonOK->setDefault(true);
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);

  ButtonAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  ButtonAnuluj->setObjectName(QStringLiteral("ButtonAnuluj"));
  ButtonAnuluj->setGeometry(152, 136, 75, 25);
  ButtonAnuluj->setAutoDefault(false);
  connect(ButtonAnuluj, &QPushButton::clicked, this, &QDialog::reject); // Esc does the same
}

TPodanePrzesuniecie TFormPrzesGMT::PodajPrzesuniecie() {
  EditPrzes->setText(QStringLiteral("+1"));
  EditPrzes->setFocus();
  EditPrzes->selectAll();
  WysrodkujNaEkranie(*this);
  if (exec() != QDialog::Accepted)
    return {0, true};
  // The close check has accepted the text, so it reads as a number in range.
  const auto minuty = MinutyZTekstu(Utf8(EditPrzes->text().trimmed()));
  return {static_cast<std::int32_t>(minuty.value_or(0)), false};
}

bool TFormPrzesGMT::EditPrzesKeyPress(const QString& tekst) const {
  for (const QChar znak : tekst) {
    // Backspace and the control characters of editing shortcuts pass.
    if (znak.unicode() < 0x20 || znak.unicode() == 0x7f)
      continue;
    if (!CzyZnakPrzesuniecia(znak.unicode()))
      return false;
  }
  return true;
}

bool TFormPrzesGMT::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == EditPrzes) {
    if (zdarzenie->type() == QEvent::KeyPress &&
        !EditPrzesKeyPress(static_cast<QKeyEvent*>(zdarzenie)->text()))
      return true;
    if (zdarzenie->type() == QEvent::InputMethod &&
        !EditPrzesKeyPress(static_cast<QInputMethodEvent*>(zdarzenie)->commitString()))
      return true;
  }
  return QDialog::eventFilter(obiekt, zdarzenie);
}

bool TFormPrzesGMT::FormCloseQuery(int wynik) {
  if (wynik != QDialog::Accepted)
    return true;
  const std::string_view komunikat = SprawdzPrzesuniecie(Utf8(EditPrzes->text()));
  if (komunikat.empty())
    return true;
  PokazKomunikatOkna(this, ZUtf8(komunikat));
  EditPrzes->setFocus();
  return false;
}

void TFormPrzesGMT::done(int wynik) {
  if (FormCloseQuery(wynik))
    QDialog::done(wynik);
}

} // namespace strefy
