// Tests of the path exercise window, offscreen: opening, Start and the arrangements, presses
// as real mouse presses, the time count driven by the test, the result and closing.
#include "form2.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <string>

#include "path_layouts.h"
#include "wdialog_template.h"
#include "wtesting.h"

namespace fs = std::filesystem;

namespace {

// The template places of the 28 cells, in dialog units: the homes of their slots.
constexpr struct {
  int x, y;
} kHomeSlots[28] = {
    {105, 90},  {160, 55},  {320, 60},  {250, 50},  {385, 85},  {195, 165}, {215, 95},
    {295, 110}, {350, 165}, {125, 135}, {270, 170}, {260, 225}, {360, 210}, {160, 215},
    {385, 130}, {235, 130}, {160, 100}, {415, 180}, {125, 175}, {305, 200}, {210, 200},
    {85, 50},   {385, 50},  {340, 115}, {90, 225},  {315, 250}, {185, 260}, {370, 260},
};

QPoint HomeOfSlot(int slot) {
  const auto& home = kHomeSlots[slot - 1];
  return QPoint(DialogUnitsToPixelsX(home.x), DialogUnitsToPixelsY(home.y));
}

class Form2Test : public testing::Test {
 protected:
  void TearDown() override {
    form.Destroy();
    wtesting::FlushDestroyedWindows();
  }

  void Open(const char* variant) {
    hand_off.write_variant(variant);
    ASSERT_TRUE(form.Create(nullptr));
  }

  // Lets the layout counter step `steps` times, as its 10 ms timer would.
  void StepLayoutCounter(int steps) {
    for (int i = 0; i < steps; ++i) ASSERT_TRUE(wtesting::Tick(*form.timer_fast));
  }

  void PressStart() { QTest::mouseClick(form.cb_start->native(), Qt::LeftButton); }
  void PressCell(int k) { QTest::mousePress(form.cell(k)->native(), Qt::LeftButton); }
  QPoint PlaceOf(int k) const { return form.cell(k)->native()->pos(); }
  QColor BackgroundOf(int k) const {
    return form.cell(k)->native()->palette().color(QPalette::Window);
  }

  wtesting::TemporaryWorkingDirectory directory;  // where the hand-off file goes
  VariantHandOff hand_off;
  Form2 form{hand_off};
};

const QColor kNormal(255, 255, 128);
const QColor kFound(128, 255, 0);

}  // namespace

TEST_F(Form2Test, OpensIdleWithTheVariantsHeadingsAndCellTexts) {
  Open("5");

  EXPECT_TRUE(form.native()->isMaximized());
  EXPECT_EQ(form.native()->palette().color(QPalette::Window), QColor(177, 159, 185));
  EXPECT_EQ(form.label_titel->GetText(), WString("Zahlenstraße 3"));
  EXPECT_EQ(form.label_titel2->GetText(), WString("Zahlen bis 28"));
  for (int k = 1; k <= 28; ++k) {
    EXPECT_EQ(form.cell(k)->GetText(), WString(std::to_string(k)));
    EXPECT_FALSE(form.cell(k)->IsVisible()) << k;
    EXPECT_EQ(PlaceOf(k), HomeOfSlot(k)) << k;
  }
  EXPECT_TRUE(form.cb_start->IsVisible());
  EXPECT_FALSE(form.rtb_ergebnis->IsVisible());
  EXPECT_EQ(form.label_zeit->GetText(), WString());
  EXPECT_TRUE(form.timer_fast->IsRunning());
  EXPECT_EQ(form.timer_fast->Interval(), 10);
  EXPECT_FALSE(form.timer_sec->IsRunning());
}

TEST_F(Form2Test, LetterVariantsShowLettersAndOnlyTheirCells) {
  Open("6");
  EXPECT_EQ(form.label_titel->GetText(), WString("Buchstabenstraße 3"));
  EXPECT_EQ(form.cell(1)->GetText(), WString("A"));
  EXPECT_EQ(form.cell(26)->GetText(), WString("Z"));
  EXPECT_EQ(form.cell(27)->GetText(), WString("27"));
  StepLayoutCounter(4);
  PressStart();
  EXPECT_TRUE(form.cell(26)->IsVisible());
  EXPECT_FALSE(form.cell(27)->IsVisible());
  EXPECT_FALSE(form.cell(28)->IsVisible());
}

TEST_F(Form2Test, StartArrangesTheCellsByTheLayoutCounter) {
  Open("5");

  // Counter at 4: the cells stay in their template places.
  StepLayoutCounter(4);
  PressStart();
  EXPECT_FALSE(form.cb_start->IsVisible());
  EXPECT_TRUE(form.timer_sec->IsRunning());
  EXPECT_EQ(form.timer_sec->Interval(), 1500);
  for (int k = 1; k <= 28; ++k) {
    EXPECT_TRUE(form.cell(k)->IsVisible()) << k;
    EXPECT_EQ(PlaceOf(k), HomeOfSlot(k)) << k;
  }
  for (int k = 1; k <= 28; ++k) PressCell(k);

  // Counter at 2: every cell takes the home of the slot layout 2 gives it.
  StepLayoutCounter(2);
  PressStart();
  const auto layout = PathLayouts::find(PathGroup::C, 2);
  ASSERT_TRUE(layout.has_value());
  for (int slot = 1; slot <= 28; ++slot) {
    const int cell = layout->cells[static_cast<std::size_t>(slot - 1)];
    EXPECT_EQ(PlaceOf(cell), HomeOfSlot(slot)) << "cell " << cell << " in slot " << slot;
  }
  const QPoint cell_1_in_layout_2 = PlaceOf(1);
  for (int k = 1; k <= 28; ++k) PressCell(k);

  // Counter at 4 again: the cells keep the places of the round before.
  StepLayoutCounter(2);
  PressStart();
  EXPECT_EQ(PlaceOf(1), cell_1_in_layout_2);
}

TEST_F(Form2Test, PressesInOrderMarkCellsAndOthersChangeNothing) {
  Open("1");
  StepLayoutCounter(4);
  PressStart();

  PressCell(2);
  EXPECT_EQ(BackgroundOf(2), kNormal);
  PressCell(1);
  EXPECT_EQ(BackgroundOf(1), kFound);
  PressCell(1);
  EXPECT_EQ(BackgroundOf(1), kFound);
  PressCell(2);
  EXPECT_EQ(BackgroundOf(2), kFound);
  EXPECT_EQ(BackgroundOf(3), kNormal);
  EXPECT_TRUE(form.timer_sec->IsRunning());
}

TEST_F(Form2Test, TheTimeCountShowsEveryTickAndTheLastCellShowsTheResult) {
  Open("1");
  StepLayoutCounter(4);
  PressStart();
  EXPECT_EQ(form.label_zeit->GetText(), WString());
  ASSERT_TRUE(wtesting::Tick(*form.timer_sec));
  EXPECT_EQ(form.label_zeit->GetText(), WString("Zeit: 1"));
  ASSERT_TRUE(wtesting::Tick(*form.timer_sec));
  EXPECT_EQ(form.label_zeit->GetText(), WString("Zeit: 2"));

  for (int k = 1; k <= 15; ++k) PressCell(k);

  EXPECT_FALSE(form.timer_sec->IsRunning());
  EXPECT_TRUE(form.cb_start->IsVisible());
  EXPECT_TRUE(form.rtb_ergebnis->IsVisible());
  EXPECT_EQ(form.rtb_ergebnis->GetText(),
            WString("Du hast 2 Sekunden benötigt um 15 Ziffern zu finden.\n"
                    "Deine Leistung ist spitze.\nNote 1"));
  EXPECT_EQ(form.rtb_ergebnis->GetLineCount(), 3);
  for (int k = 1; k <= 28; ++k) {
    EXPECT_FALSE(form.cell(k)->IsVisible()) << k;
    EXPECT_EQ(BackgroundOf(k), kNormal) << k;
  }

  // A new round hides the result at once; the old count stays until the first tick.
  PressStart();
  EXPECT_FALSE(form.rtb_ergebnis->IsVisible());
  EXPECT_EQ(form.label_zeit->GetText(), WString("Zeit: 2"));
  ASSERT_TRUE(wtesting::Tick(*form.timer_sec));
  EXPECT_EQ(form.label_zeit->GetText(), WString("Zeit: 1"));
}

TEST_F(Form2Test, ClosingDuringARoundAndReopeningStartsIdle) {
  Open("3");
  StepLayoutCounter(2);
  PressStart();
  ASSERT_TRUE(wtesting::Tick(*form.timer_sec));
  PressCell(1);

  form.native()->close();
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(form.timer_sec, nullptr);

  Open("4");
  EXPECT_EQ(form.label_titel->GetText(), WString("Buchstabenstraße 2"));
  EXPECT_TRUE(form.cb_start->IsVisible());
  EXPECT_FALSE(form.rtb_ergebnis->IsVisible());
  EXPECT_EQ(form.label_zeit->GetText(), WString());
  for (int k = 1; k <= 28; ++k) {
    EXPECT_FALSE(form.cell(k)->IsVisible()) << k;
    EXPECT_EQ(PlaceOf(k), HomeOfSlot(k)) << k;
  }
}

TEST_F(Form2Test, ASecondOpeningWhileOpenChangesNothing) {
  Open("1");
  hand_off.write_variant("6");
  EXPECT_FALSE(form.Create(nullptr));
  EXPECT_EQ(form.label_titel->GetText(), WString("Zahlenstraße 1"));
}

TEST_F(Form2Test, WithoutAHandOffTheHeadingsStayEmptyAndThePreviousVariantJudges) {
  Open("1");
  form.native()->close();
  fs::remove("z.txt");
  ASSERT_TRUE(form.Create(nullptr));

  EXPECT_EQ(form.label_titel->GetText(), WString());
  EXPECT_EQ(form.cell(1)->GetText(), WString("1"));
  StepLayoutCounter(4);
  PressStart();
  for (int k = 1; k <= 15; ++k) PressCell(k);
  // Variant "1" still ends the round at cell 15.
  EXPECT_TRUE(form.rtb_ergebnis->IsVisible());
}
