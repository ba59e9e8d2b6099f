#pragma once
// "Przesunięcie GMT": the offset typed by the user when the rules cannot
// settle it, in hours with a decimal comma.
#include "strefy_czas.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace strefy {

class TFormPrzesGMT : public QDialog {
  Q_OBJECT
public:
  explicit TFormPrzesGMT(QWidget* rodzic = nullptr);

  // Minutes east of GMT; 0 and cancelled when the dialog was not confirmed.
  TPodanePrzesuniecie PodajPrzesuniecie();

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLineEdit* EditPrzes;
  QPushButton* ButtonOK;
  QPushButton* ButtonAnuluj;

  void done(int wynik) override;

protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
  bool FormCloseQuery(int wynik);
  // Lets through only what an offset is written with.
  bool EditPrzesKeyPress(const QString& tekst) const;
};

} // namespace strefy
