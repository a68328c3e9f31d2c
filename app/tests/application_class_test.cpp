// Tests of the application object: a whole run from the welcome message to the closed menu.
#include "application_class.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "wtesting.h"

namespace {

QWidget* MainMenuWindow() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "Form1") return window;
  return nullptr;
}

}  // namespace

TEST(ApplicationClassTest, ANormalRunEndsWithExitCodeZeroWhenTheMenuIsClosed) {
  // The menu hands its choice over through a file in the working directory.
  wtesting::TemporaryWorkingDirectory directory;
  ApplicationClass application;
  bool welcomed = false;
  wtesting::ConfirmNextMessage(
      [&](const WString& caption, const WString&) { welcomed = caption == WString("WARNUNG!!!"); });
  // Once the welcome message is gone, the player closes the menu with its close box.
  // An exercise window is still open then.
  QTimer close_menu;
  QObject::connect(&close_menu, &QTimer::timeout, [&close_menu] {
    if (QApplication::activeModalWidget()) return;
    auto* menu = qobject_cast<QWidget*>(MainMenuWindow());
    if (!menu || !menu->isVisible()) return;
    close_menu.stop();
    QTest::mouseClick(menu->findChild<QPushButton*>("cb_1"), Qt::LeftButton);
    EXPECT_NE(menu->findChild<QWidget*>("Form2"), nullptr);
    menu->close();
  });
  close_menu.start(0);

  const int exit_code = application.Run(0, nullptr);

  EXPECT_TRUE(welcomed);
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(application.MainForm(), nullptr);
}
