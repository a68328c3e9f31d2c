// Tests of the main menu form in an offscreen window: welcome message, descriptions,
// controls of the template and the hand-off written by every exercise button.
#include "form1.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "wtesting.h"

namespace fs = std::filesystem;

namespace {

class Form1Test : public testing::Test {
 protected:
  void TearDown() override {
    form.Destroy();
    wtesting::FlushDestroyedWindows();
  }

  // Creates the menu and confirms the welcome message, recording what the labels showed
  // while it was open.
  void OpenMenu() {
    wtesting::ConfirmNextMessage([this](const WString& caption, const WString& text) {
      welcome_caption = caption;
      welcome_text = text;
      window_visible_during_welcome = form.native() && form.native()->isVisible();
      for (WLabel* label : Labels()) labels_during_welcome += label->GetText().str();
    });
    ASSERT_TRUE(form.Create());
  }

  std::array<WLabel*, 6> Labels() const {
    return {form.label_1.get(), form.label_2.get(), form.label_3.get(),
            form.label_4.get(), form.label_5.get(), form.label_6.get()};
  }

  static std::string HandOffFile() {
    std::ifstream in("z.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Each test has a directory of its own, where the menu writes its hand-off file.
  wtesting::TemporaryWorkingDirectory directory;
  Form1 form;
  WString welcome_caption, welcome_text;
  bool window_visible_during_welcome = false;
  std::string labels_during_welcome;
};

}  // namespace

TEST_F(Form1Test, WelcomesThePlayerBeforeTheDescriptionsAppear) {
  OpenMenu();

  EXPECT_EQ(welcome_caption, WString("WARNUNG!!!"));
  EXPECT_EQ(welcome_text.str().rfind(
                "Dieses Programm ist Privateigentum der Geheim-Dedektivschule\nWolkenbrunn und "
                "darf nur an Geheimdedektivstudenten weitergegeben werden.\n",
                0),
            0u);
  EXPECT_NE(welcome_text.str().find("folgendes Unternehmen beauftragt:\nDas Projektteam"),
            std::string::npos);
  EXPECT_TRUE(window_visible_during_welcome);
  EXPECT_EQ(labels_during_welcome, "");

  EXPECT_EQ(form.label_1->GetText().str().rfind("Bei der Konzentrationsübung Zahlenstraße\n", 0),
            0u);
  EXPECT_NE(form.label_1->GetText().str().find("Zahlenstraße 1: Bis Zahl 15. \n"),
            std::string::npos);
  EXPECT_EQ(form.label_6->GetText(),
            WString("Merkfähigkeitsübung.\nEine gute Merkfähigkeit ist die Basisaustattung des "
                    "Agenten.\nOhne Merkfähikeit geht nichts.\nHier drei Übungen um diese "
                    "Fähigkeit zu trainieren."));
  for (WLabel* label : Labels()) EXPECT_FALSE(label->GetText().IsEmpty()) << label->GetName().str();
}

TEST_F(Form1Test, BuildsTheMaximisedMenuFromItsTemplate) {
  OpenMenu();
  QWidget* window = form.native();

  EXPECT_EQ(window->windowTitle(), QString("Denkfalke 07"));
  EXPECT_EQ(window->objectName(), QString("Form1"));
  EXPECT_TRUE(window->isMaximized());
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 128, 128));
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(form.pictb_1->native()->geometry(), QRect(105, 8, 570, 83));
  EXPECT_EQ(form.cb_12->native()->geometry(), QRect(240, 98, 105, 33));
  EXPECT_EQ(form.label_1->native()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_FALSE(form.rtb_zs->IsVisible());
  EXPECT_EQ(form.rtb_zs->GetName(), WString("rtb_zs"));
}

TEST_F(Form1Test, EveryExerciseButtonWritesItsDigitToTheHandOffFile) {
  const struct {
    const char* button;
    const char* caption;
    const char* digit;
  } cases[] = {
      {"cb_1", "Zahlenstraße 1", "1"},
      {"cb_2", "Buchstabenstraße 1", "2"},
      {"cb_3", "Zahlenstraße 2", "3"},
      {"cb_4", "Buchstabenstraße 2", "4"},
      {"cb_12", "Zahlenstraße 3", "5"},
      {"cb_13", "Buchstabenstraße 3", "6"},
      {"cb_9", "Rechenübung 1", "1"},
      {"cb_10", "Rechenübung 2", "2"},
      {"cb_5", "Memory 1", "1"},
      {"cb_6", "Memory 2", "2"},
      {"cb_7", "Memory 3", "3"},
      {"cb_8", "Memory 4", "4"},
      {"cb_11", "Merkfähigkeitsübung 1", "1"},
      {"cb_14", "Merkfähigkeitsübung 2", "2"},
      {"cb_15", "Merkfähigkeitsübung 3", "3"},
  };
  OpenMenu();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    fs::remove("z.txt");
    auto* button = form.native()->findChild<QPushButton*>(c.button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().toStdString(), c.caption);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(HandOffFile(), c.digit);
  }
}

TEST_F(Form1Test, APathButtonOpensThePathWindowInFrontOfTheMenuWithItsVariant) {
  OpenMenu();
  QTest::mouseClick(form.cb_12->native(), Qt::LeftButton);

  ASSERT_TRUE(form.form2_->HasWindow());
  QWidget* path_window = form.form2_->native();
  EXPECT_EQ(path_window->parentWidget(), form.native());
  EXPECT_TRUE(path_window->isVisible());
  EXPECT_EQ(form.form2_->label_titel->GetText(), WString("Zahlenstraße 3"));

  // A second choice while it is open rewrites the file and changes nothing on screen.
  QTest::mouseClick(form.cb_2->native(), Qt::LeftButton);
  EXPECT_EQ(HandOffFile(), "2");
  EXPECT_EQ(form.form2_->native(), path_window);
  EXPECT_EQ(form.form2_->label_titel->GetText(), WString("Zahlenstraße 3"));

  // Closed and chosen again, it opens with the new choice.
  path_window->close();
  EXPECT_FALSE(form.form2_->HasWindow());
  QTest::mouseClick(form.cb_2->native(), Qt::LeftButton);
  EXPECT_EQ(form.form2_->label_titel->GetText(), WString("Buchstabenstraße 1"));
}

TEST_F(Form1Test, ClosingTheMenuClosesTheExerciseWindowsAndTearsDownItsControls) {
  OpenMenu();
  QTest::mouseClick(form.cb_1->native(), Qt::LeftButton);
  ASSERT_TRUE(form.form2_->HasWindow());

  form.native()->close();
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(form.form2_, nullptr);
  EXPECT_EQ(form.cb_1, nullptr);
  EXPECT_EQ(form.label_6, nullptr);
}

TEST_F(Form1Test, AFailedWriteOfTheHandOffStillOpensTheChosenVariant) {
  // A directory named like the hand-off file cannot be replaced by the file.
  fs::create_directory("z.txt");
  OpenMenu();
  QTest::mouseClick(form.cb_4->native(), Qt::LeftButton);
  ASSERT_TRUE(form.form2_->HasWindow());
  EXPECT_EQ(form.form2_->label_titel->GetText(), WString("Buchstabenstraße 2"));
}
