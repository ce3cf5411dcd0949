// One QApplication for the whole run, on the offscreen platform so that the
// suites need no display; the shell reuses it.

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

#include "app/shell.h"

namespace {

// Death tests match this on stderr instead of a person reading a message box.
void PrintFatalMessage(const QString& what) {
  std::fprintf(stderr, "fatal error: %s\n", what.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  // The window and Qt's threads exist before any death test forks.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QApplication application(argc, argv);
  chatmock::SetFatalPresenter(&PrintFatalMessage);
  return RUN_ALL_TESTS();
}
