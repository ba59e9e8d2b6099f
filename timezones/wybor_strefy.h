#pragma once
// "Wybór obszaru": in which historical area the birth place lay on the birth
// date, when more than one area existed then.
#include "strefy_czas.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace strefy {

class TFormWyborStrefy : public QDialog {
  Q_OBJECT
public:
  explicit TFormWyborStrefy(QWidget* rodzic = nullptr);

  // The chosen entry's area number, or -1 when the dialog was not confirmed.
  std::int32_t WybierzObszar(const std::vector<TOpisStrefy>& lista);

  QLabel* Label1;
  QLabel* Label2;
  QComboBox* ComboBoxStrefy;
  QPushButton* ButtonOK;
  QPushButton* ButtonAnuluj;

  void done(int wynik) override;

private:
  // Refuses to close on OK while nothing is selected.
  bool FormCloseQuery(int wynik);

  std::vector<TOpisStrefy> Lista;
};

} // namespace strefy
