// Tests of the controls: attaching by id, their properties, mouse events and the message box.
#include "wcontrols.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "test_dialog.h"
#include "wform.h"
#include "wmessagebox.h"
#include "wtesting.h"

namespace {

class WControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Create(kTestDialog, nullptr));
    form.SetVisible(true);
  }
  void TearDown() override {
    form.Destroy();
    wtesting::FlushDestroyedWindows();
  }
  WModelessDialog form;
};

}  // namespace

TEST_F(WControlsTest, AttachesOnlyToATemplateControlOfItsKind) {
  WCommandButton button;
  WLabel not_a_label;
  WLabel missing;
  EXPECT_TRUE(button.Attach(form, 101));
  EXPECT_FALSE(not_a_label.Attach(form, 101));
  EXPECT_FALSE(missing.Attach(form, 999));
  EXPECT_EQ(button.GetText(), WString("Start"));
  // A control that is not attached does nothing and reports nothing.
  not_a_label.SetText("x");
  EXPECT_EQ(not_a_label.GetText(), WString());
}

TEST_F(WControlsTest, SetsTextVisibilityPlaceAndName) {
  WLabel cell;
  ASSERT_TRUE(cell.Attach(form, 102));
  cell.SetName("label_7");
  cell.SetText("G");
  cell.SetLeft(12);
  cell.SetTop(34);
  cell.Hide();

  QWidget* widget = form.TemplateControl(102);
  EXPECT_EQ(widget->objectName(), QString("label_7"));
  EXPECT_EQ(widget->accessibleName(), QString("label_7"));
  EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), QString("G"));
  EXPECT_EQ(widget->pos(), QPoint(12, 34));
  EXPECT_EQ(cell.GetLeft(), 12);
  EXPECT_EQ(cell.GetTop(), 34);
  EXPECT_FALSE(cell.IsVisible());
  cell.Show();
  EXPECT_TRUE(cell.IsVisible());
}

TEST_F(WControlsTest, ReportsClicksAndLeftButtonPressesWhereTheyHappen) {
  WCommandButton button;
  WLabel cell;
  ASSERT_TRUE(button.Attach(form, 101));
  ASSERT_TRUE(cell.Attach(form, 102));
  int clicks = 0;
  WMouseEvent pressed_at{-1, -1};
  int form_moves = 0;
  button.ClickEvent.Add([&] {
    ++clicks;
    return false;
  });
  cell.LeftButtonDownEvent.Add([&](const WMouseEvent& at) {
    pressed_at = at;
    return false;
  });
  form.MouseMoveEvent.Add([&](const WMouseEvent&) {
    ++form_moves;
    return false;
  });

  QTest::mouseClick(button.native(), Qt::LeftButton);
  QTest::mousePress(cell.native(), Qt::RightButton, {}, QPoint(5, 6));
  EXPECT_EQ(pressed_at.x, -1);
  QTest::mousePress(cell.native(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseMove(cell.native(), QPoint(7, 8));

  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(pressed_at.x, 5);
  EXPECT_EQ(pressed_at.y, 6);
  // A move over a control is the control's, not the window's.
  EXPECT_EQ(form_moves, 0);
}

TEST_F(WControlsTest, AHandlerMayDestroyTheWindowOfItsOwnControl) {
  auto button = std::make_unique<WCommandButton>();
  ASSERT_TRUE(button->Attach(form, 101));
  form.DestroyEvent.Add([&] {
    button.reset();
    return false;
  });
  button->ClickEvent.Add([&] {
    form.Destroy();
    return false;
  });

  QTest::mouseClick(form.TemplateControl(101), Qt::LeftButton);
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(button, nullptr);
}

TEST_F(WControlsTest, ControlsLetGoWhenTheWindowIsDestroyed) {
  WLabel cell;
  ASSERT_TRUE(cell.Attach(form, 102));
  form.Destroy();
  wtesting::FlushDestroyedWindows();
  EXPECT_FALSE(cell.IsAttached());
  cell.SetText("safe");  // no window left: nothing happens
  EXPECT_EQ(cell.GetText(), WString());
}

TEST_F(WControlsTest, RichTextBoxSavesLoadsAndReadsLinesAsPlainText) {
  WRichTextBox box;
  ASSERT_TRUE(box.Attach(form, 103));
  const auto file = std::filesystem::temp_directory_path() / "wlib_rich_text_test.txt";
  const WFilePath path(WString(file.string()));

  box.SetText("auto\nhaus\nbaum");
  ASSERT_TRUE(box.SaveFile(path));
  std::ifstream saved(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "auto\nhaus\nbaum");

  box.SetText("");
  ASSERT_TRUE(box.LoadFile(path));
  EXPECT_EQ(box.GetLineCount(), 3);
  EXPECT_EQ(box.GetLine(1), WString("haus"));
  EXPECT_EQ(box.GetLine(3), WString());
  std::filesystem::remove(file);
  EXPECT_FALSE(box.LoadFile(path));
}

TEST_F(WControlsTest, LowerCaseTextBoxTurnsTypedLettersIntoLowerCase) {
  WTextBox entry;
  ASSERT_TRUE(entry.Attach(form, 105));
  QTest::keyClicks(entry.native(), "Auto ÄPFEL");
  EXPECT_EQ(entry.GetText(), WString("auto äpfel"));
}

TEST_F(WControlsTest, ComboBoxShowsItsTemplateTextOverItsItems) {
  WComboBox tempo;
  ASSERT_TRUE(tempo.Attach(form, 106));
  for (const char* item : {"500", "1000", "2000"}) tempo.AddItem(item);
  EXPECT_EQ(tempo.GetText(), WString("Tempo"));
  tempo.SetText("1000");
  EXPECT_EQ(tempo.GetText(), WString("1000"));
}

TEST(WMessageBoxTest, ShowsCaptionAndTextAndReturnsWhenConfirmed) {
  WString caption, text;
  wtesting::ConfirmNextMessage([&](const WString& c, const WString& t) {
    caption = c;
    text = t;
  });
  WShowMessage("Ergebnis", "Zeile 1\nZeile 2");
  EXPECT_EQ(caption, WString("Ergebnis"));
  EXPECT_EQ(text, WString("Zeile 1\nZeile 2"));
}
