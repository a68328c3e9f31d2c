// Tests of the application object: a whole run from the welcome message to the closed menu.
#include "application_class.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "wtesting.h"

TEST(ApplicationClassTest, ANormalRunEndsWithExitCodeZeroWhenTheMenuIsClosed) {
  ApplicationClass application;
  bool welcomed = false;
  wtesting::ConfirmNextMessage(
      [&](const WString& caption, const WString&) { welcomed = caption == WString("WARNUNG!!!"); });
  // Once the welcome message is gone, the player closes the menu with its close box.
  QTimer close_menu;
  QObject::connect(&close_menu, &QTimer::timeout, [&close_menu] {
    if (QApplication::activeModalWidget()) return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == "Form1" && window->isVisible()) {
        close_menu.stop();
        window->close();
      }
    }
  });
  close_menu.start(0);

  const int exit_code = application.Run(0, nullptr);

  EXPECT_TRUE(welcomed);
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(application.MainForm(), nullptr);
}
