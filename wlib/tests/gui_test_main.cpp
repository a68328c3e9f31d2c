// main() of the GUI tests: an offscreen application whose timers tick only when a test says.
#include <gtest/gtest.h>

#include <QApplication>

#include "wtesting.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  wtesting::UseManualTimers();
  const int result = RUN_ALL_TESTS();
  wtesting::FlushDestroyedWindows();
  return result;
}
