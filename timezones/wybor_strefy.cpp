#include "wybor_strefy.h"

#include "wspolne_okien.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace strefy {

TFormWyborStrefy::TFormWyborStrefy(QWidget* rodzic) : QDialog(rodzic) {
  setObjectName(QStringLiteral("FormWyborStrefy"));
  UstawOknoDialogu(*this, QStringLiteral("Wybór obszaru"), 251, 132);

  Label1 = new QLabel(QStringLiteral("Wybierz obszar, w którym znajdowała się"), this);
  Label1->move(16, 8);
  Label1->adjustSize();
  Label2 = new QLabel(QStringLiteral("miejscowość w dniu urodzenia osoby."), this);
  Label2->move(16, 24);
  Label2->adjustSize();

  ComboBoxStrefy = new QComboBox(this); // not editable: a drop-down list
  ComboBoxStrefy->setObjectName(QStringLiteral("ComboBoxStrefy"));
  ComboBoxStrefy->setGeometry(16, 56, 217, 21);

  ButtonOK = new QPushButton(QStringLiteral("OK"), this);
  ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
  ButtonOK->setGeometry(40, 96, 75, 25);
  ButtonOK->setDefault(true);
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);

  ButtonAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  ButtonAnuluj->setObjectName(QStringLiteral("ButtonAnuluj"));
  ButtonAnuluj->setGeometry(136, 96, 75, 25);
  ButtonAnuluj->setAutoDefault(false);
  connect(ButtonAnuluj, &QPushButton::clicked, this, &QDialog::reject); // Esc does the same
}

std::int32_t TFormWyborStrefy::WybierzObszar(const std::vector<TOpisStrefy>& lista) {
  Lista = lista;
  ComboBoxStrefy->clear();
  for (const TOpisStrefy& opis : Lista)
    ComboBoxStrefy->addItem(
        QString::fromUtf8(opis.Nazwa.data(), static_cast<qsizetype>(opis.Nazwa.size())));
  ComboBoxStrefy->setCurrentIndex(-1); // the first item added would be selected otherwise
  ComboBoxStrefy->setFocus();
  WysrodkujNaEkranie(*this);
  if (exec() != QDialog::Accepted)
    return -1;
  const int pozycja = ComboBoxStrefy->currentIndex();
  return Lista[static_cast<std::size_t>(pozycja)].Strefa;
}

bool TFormWyborStrefy::FormCloseQuery(int wynik) {
  if (wynik != QDialog::Accepted || ComboBoxStrefy->currentIndex() >= 0)
    return true;
  PokazKomunikatOkna(this, QStringLiteral("Wybierz obszar."));
  ComboBoxStrefy->setFocus();
  return false;
}

void TFormWyborStrefy::done(int wynik) {
  if (FormCloseQuery(wynik))
    QDialog::done(wynik);
}

} // namespace strefy
