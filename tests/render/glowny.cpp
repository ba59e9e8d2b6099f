// Test main for the drawing tests: a GUI application on the offscreen
// platform with the chart fonts registered.
#include "czcionki.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime;
  if (qgetenv("XDG_RUNTIME_DIR").isEmpty() && runtime.isValid()) {
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }
  QGuiApplication app(argc, argv);
  if (!grafika::ZarejestrujCzcionki()) {
    fprintf(stderr, "symbol font not loaded\n");
    return 1;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
