// gtest main for window tests: one QApplication for the whole program.
#include <gtest/gtest.h>

#include <QApplication>

#include "model/atomic_file.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  morvadel::CatchFileSizeSignal();  // as the program does
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  morvadel::Application app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
