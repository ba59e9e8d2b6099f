// The zone choice and GMT-offset dialogs, driven by key and mouse events.
#include "dialogi_stref.h"
#include "przes_gmt.h"
#include "przesuniecie_tekst.h"
#include "wybor_strefy.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace strefy;

namespace {

QString Q(std::string_view t) {
  return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// Runs `akcja` once a modal window of type T is on top (polling, so that it
// also works for a window opened from inside a click).
template <typename T> void GdyOtwarte(std::function<void(T*)> akcja) {
  auto* zegar = new QTimer;
  auto proby = std::make_shared<int>(0);
  zegar->setInterval(5);
  QObject::connect(zegar, &QTimer::timeout, [zegar, proby, akcja] {
    if (auto* okno = qobject_cast<T*>(QApplication::activeModalWidget())) {
      zegar->stop();
      zegar->deleteLater();
      akcja(okno);
    } else if (++*proby > 2000) {
      zegar->stop();
      zegar->deleteLater();
      ADD_FAILURE() << "the expected window did not open";
      if (QWidget* w = QApplication::activeModalWidget())
        w->close();
    }
  });
  zegar->start();
}

// Expects a message box to come up, remembers its text and closes it.
void ZamknijKomunikat(QString& tekst) {
  GdyOtwarte<QMessageBox>([&tekst](QMessageBox* m) {
    tekst = m->text();
    m->accept();
  });
}

void Wpisz(QWidget* w, const QString& tekst) {
  for (const QChar znak : tekst)
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(znak), Qt::NoModifier);
}

void Kliknij(QPushButton* przycisk) {
  QTest::mouseClick(przycisk, Qt::LeftButton);
}

const std::vector<TOpisStrefy> Wrzesien39{
    {"Polska", 1}, {"Okupacja niemiecka", 8}, {"Okupacja radziecka", 9}};

TEST(FormWyborStrefy, WygladOkna) {
  TFormWyborStrefy okno;
  EXPECT_EQ(okno.windowTitle(), QStringLiteral("Wybór obszaru"));
  EXPECT_EQ(okno.size(), QSize(251, 132));
  EXPECT_EQ(okno.font().family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(okno.font().pointSize(), 8);
  EXPECT_EQ(okno.Label1->text(), QStringLiteral("Wybierz obszar, w którym znajdowała się"));
  EXPECT_EQ(okno.Label2->text(), QStringLiteral("miejscowość w dniu urodzenia osoby."));
  EXPECT_EQ(okno.ComboBoxStrefy->geometry().topLeft(), QPoint(16, 56));
  EXPECT_EQ(okno.ComboBoxStrefy->width(), 217);
  EXPECT_FALSE(okno.ComboBoxStrefy->isEditable());
  EXPECT_EQ(okno.ButtonOK->text(), QStringLiteral("OK"));
  EXPECT_TRUE(okno.ButtonOK->isDefault());
  EXPECT_EQ(okno.ButtonAnuluj->text(), QStringLiteral("Anuluj"));
  EXPECT_FALSE(okno.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(okno.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST(FormWyborStrefy, BezWyboruNieZamykaPotemWybor) {
  TFormWyborStrefy okno;
  QString komunikat;
  bool otwarteMimoOK = false;
  GdyOtwarte<TFormWyborStrefy>([&](TFormWyborStrefy* o) {
    EXPECT_EQ(o->ComboBoxStrefy->count(), 3);
    EXPECT_EQ(o->ComboBoxStrefy->itemText(2), QStringLiteral("Okupacja radziecka"));
    EXPECT_EQ(o->ComboBoxStrefy->currentIndex(), -1);
    ZamknijKomunikat(komunikat);
    Kliknij(o->ButtonOK);
    otwarteMimoOK = o->isVisible();
    EXPECT_EQ(o->focusWidget(), o->ComboBoxStrefy);
    // Down from nothing selects the first area, then the next ones.
    for (int i = 0; i < 3; ++i)
      QTest::keyClick(o->ComboBoxStrefy, Qt::Key_Down);
    EXPECT_EQ(o->ComboBoxStrefy->currentIndex(), 2);
    Kliknij(o->ButtonOK);
  });
  EXPECT_EQ(okno.WybierzObszar(Wrzesien39), 9);
  EXPECT_EQ(komunikat, QStringLiteral("Wybierz obszar."));
  EXPECT_TRUE(otwarteMimoOK);

  // The list is refilled and nothing is selected at the next call.
  GdyOtwarte<TFormWyborStrefy>([&](TFormWyborStrefy* o) {
    EXPECT_EQ(o->ComboBoxStrefy->count(), 2);
    EXPECT_EQ(o->ComboBoxStrefy->currentIndex(), -1);
    QTest::keyClick(o->ComboBoxStrefy, Qt::Key_Down);
    QTest::keyClick(o, Qt::Key_Return); // the default button
  });
  EXPECT_EQ(okno.WybierzObszar({{"Polska", 1}, {"Okupacja niemiecka", 8}}), 1);
}

TEST(FormWyborStrefy, AnulowanieDajeMinusJeden) {
  TFormWyborStrefy okno;
  GdyOtwarte<TFormWyborStrefy>([](TFormWyborStrefy* o) {
    // Centred on the screen (give or take the window frame).
    const QPoint odSrodka = o->geometry().center() - o->screen()->availableGeometry().center();
    EXPECT_LE(odSrodka.manhattanLength(), 10);
    QTest::keyClick(o->ComboBoxStrefy, Qt::Key_Down);
    Kliknij(o->ButtonAnuluj);
  });
  EXPECT_EQ(okno.WybierzObszar(Wrzesien39), -1);
  GdyOtwarte<TFormWyborStrefy>([](TFormWyborStrefy* o) { QTest::keyClick(o, Qt::Key_Escape); });
  EXPECT_EQ(okno.WybierzObszar(Wrzesien39), -1);
}

TEST(FormPrzesGMT, WygladOkna) {
  TFormPrzesGMT okno;
  EXPECT_EQ(okno.windowTitle(), QStringLiteral("Przesunięcie GMT"));
  EXPECT_EQ(okno.size(), QSize(283, 171));
  EXPECT_EQ(okno.font().pointSize(), 8);
  EXPECT_EQ(okno.Label2->text(), QStringLiteral("Podaj przesunięcie względem czasu GMT"));
  EXPECT_EQ(okno.Label1->text(), QStringLiteral("dla miejsca i momentu urodzenia osoby:"));
  EXPECT_EQ(okno.Label3->text(), QStringLiteral("Typowe przesunięcia GMT w Polsce:"));
  EXPECT_EQ(okno.Label4->text(), QStringLiteral("+1: czas środkowoeuropejski"));
  EXPECT_EQ(okno.Label5->text(), QStringLiteral("+2: czas wschodnioeuropejski"));
  EXPECT_EQ(okno.EditPrzes->geometry().topLeft(), QPoint(216, 32));
  EXPECT_EQ(okno.EditPrzes->width(), 41);
  EXPECT_EQ(okno.EditPrzes->maxLength(), 6);
  EXPECT_TRUE(okno.ButtonOK->isDefault());
  EXPECT_EQ(okno.ButtonAnuluj->text(), QStringLiteral("Anuluj"));
}

TEST(FormPrzesGMT, WpisywanieIZamykanie) {
  struct {
    const char* wpisane;        // nullptr: keep the preset "+1"
    const char* widoczne;       // what the edit shows after typing
    std::string_view komunikat; // empty: accepted
    std::int32_t minuty;
  } przypadki[] = {
      {nullptr, "+1", {}, 60},
      {"2", "2", {}, 120},
      {"1,5", "1,5", {}, 90},
      {"-12", "-12", {}, -720},
      {"13", "13", {}, 780},
      {"13,5", "13,5", KomunikatPozaZakresem, 0},
      {"+", "+", KomunikatNieLiczba, 0},
      {"1,2,3", "1,2,3", KomunikatNieLiczba, 0},
      {"", "", KomunikatPodajPrzesuniecie, 0},
      {"1.5", "15", KomunikatPozaZakresem, 0}, // the period never reaches the edit
      {"2ąa e.", "2", {}, 120},
  };
  TFormPrzesGMT okno;
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.wpisane ? p.wpisane : "(+1)");
    QString komunikat;
    bool otwarteMimoOK = false;
    GdyOtwarte<TFormPrzesGMT>([&](TFormPrzesGMT* o) {
      EXPECT_EQ(o->EditPrzes->text(), QStringLiteral("+1"));
      if (p.wpisane) {
        QTest::keyClick(o->EditPrzes, Qt::Key_End);
        QTest::keyClick(o->EditPrzes, Qt::Key_Backspace);
        QTest::keyClick(o->EditPrzes, Qt::Key_Backspace);
        Wpisz(o->EditPrzes, QString::fromUtf8(p.wpisane));
      }
      EXPECT_EQ(o->EditPrzes->text(), QString::fromUtf8(p.widoczne));
      if (!p.komunikat.empty())
        ZamknijKomunikat(komunikat);
      Kliknij(o->ButtonOK);
      otwarteMimoOK = o->isVisible();
      if (otwarteMimoOK) {
        EXPECT_EQ(o->focusWidget(), o->EditPrzes);
        Kliknij(o->ButtonAnuluj);
      }
    });
    const TPodanePrzesuniecie wynik = okno.PodajPrzesuniecie();
    if (p.komunikat.empty()) {
      EXPECT_FALSE(otwarteMimoOK);
      EXPECT_FALSE(wynik.Anulowane);
      EXPECT_EQ(wynik.Minuty, p.minuty);
    } else {
      EXPECT_TRUE(otwarteMimoOK);
      EXPECT_EQ(komunikat, Q(p.komunikat));
      EXPECT_TRUE(wynik.Anulowane);
      EXPECT_EQ(wynik.Minuty, 0);
    }
  }
}

TEST(FormPrzesGMT, AnulowanieBezSprawdzania) {
  TFormPrzesGMT okno;
  GdyOtwarte<TFormPrzesGMT>([](TFormPrzesGMT* o) {
    o->EditPrzes->selectAll();
    Wpisz(o->EditPrzes, QStringLiteral("+"));
    QTest::keyClick(o, Qt::Key_Escape);
  });
  const TPodanePrzesuniecie wynik = okno.PodajPrzesuniecie();
  EXPECT_TRUE(wynik.Anulowane);
  EXPECT_EQ(wynik.Minuty, 0);
}

// The rules asking through the real dialogs.
TEST(DialogiOkienkowe, RegulyPytajaPrzezOkna) {
  TFormWyborStrefy wybor;
  TFormPrzesGMT przes;
  const TDialogiStref dialogi = DialogiOkienkowe(wybor, przes);

  // 1890, Austrian partition: no rule yet, so the offset is asked for.
  GdyOtwarte<TFormWyborStrefy>([](TFormWyborStrefy* o) {
    EXPECT_EQ(o->ComboBoxStrefy->count(), 6);
    QTest::keyClick(o->ComboBoxStrefy, Qt::Key_Down);
    EXPECT_EQ(o->ComboBoxStrefy->currentText(), QStringLiteral("Zabór austriacki"));
    GdyOtwarte<TFormPrzesGMT>([](TFormPrzesGMT* p) {
      p->EditPrzes->selectAll();
      Wpisz(p->EditPrzes, QStringLiteral("1,25"));
      QTest::keyClick(p->EditPrzes, Qt::Key_Return);
    });
    Kliknij(o->ButtonOK);
  });
  const auto wynik = UstalPrzesuniecieGMT(obliczenia::ZakodujDateCzas({1890, 1, 1}), dialogi);
  EXPECT_FALSE(wynik.Anulowane);
  EXPECT_EQ(wynik.Minuty, 75);

  QString komunikat;
  ZamknijKomunikat(komunikat);
  EXPECT_THROW(UstalPrzesuniecieGMT(obliczenia::ZakodujDateCzas({2004, 3, 28}, {2, 30}), dialogi),
               TBladKonwersjiCzasu);
  EXPECT_EQ(komunikat, Q(KomunikatPominietaGodzina));
}

} // namespace

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplikacja(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
