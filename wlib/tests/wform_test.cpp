// Tests of WForm: creation, the second creation, closing, owned windows and tear-down order.
#include "wform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "test_dialog.h"
#include "wapplication.h"
#include "wtesting.h"

namespace {

// Records the events of a form in `log`, prefixed with its name.
struct LoggedForm : WModelessDialog {
  LoggedForm(std::string name, std::string& log) {
    CreateEvent.Add([this, name, &log] {
      log += name + ":create ";
      return false;
    });
    DestroyEvent.Add([this, name, &log] {
      log += name + ":destroy ";
      return false;
    });
  }
};

class WFormTest : public testing::Test {
 protected:
  void TearDown() override { wtesting::FlushDestroyedWindows(); }
  std::string log;
};

}  // namespace

TEST_F(WFormTest, CreatesTheWindowAtTemplateSizeWithItsControlsAndFiresCreate) {
  LoggedForm form("form", log);
  ASSERT_TRUE(form.Create(kTestDialog, nullptr));

  EXPECT_EQ(log, "form:create ");
  ASSERT_NE(form.native(), nullptr);
  EXPECT_EQ(form.native()->size(), QSize(300, 244));
  EXPECT_EQ(form.native()->windowTitle(), QString("Test"));
  ASSERT_NE(form.TemplateControl(102), nullptr);
  EXPECT_EQ(form.TemplateControl(102)->geometry(), QRect(90, 16, 54, 39));
  EXPECT_TRUE(form.TemplateControl(103)->isHidden());
  EXPECT_EQ(form.TemplateControl(999), nullptr);
}

TEST_F(WFormTest, ASecondCreateFailsWhileTheWindowExists) {
  LoggedForm form("form", log);
  ASSERT_TRUE(form.Create(kTestDialog, nullptr));
  QWidget* first = form.native();

  EXPECT_FALSE(form.Create(kTestDialog, nullptr));
  EXPECT_EQ(form.LastError(), WString("The window has already been created."));
  EXPECT_EQ(form.native(), first);
  EXPECT_EQ(log, "form:create ");

  ASSERT_TRUE(form.Destroy());
  EXPECT_TRUE(form.Create(kTestDialog, nullptr));
}

TEST_F(WFormTest, CloseBoxDestroysTheWindowUnlessAHandlerTakesTheClose) {
  LoggedForm form("form", log);
  ASSERT_TRUE(form.Create(kTestDialog, nullptr));
  form.SetVisible(true);

  const auto keep_open = form.CloseEvent.Add([] { return true; });
  form.native()->close();
  EXPECT_TRUE(form.HasWindow());

  form.CloseEvent.Remove(keep_open);
  form.native()->close();
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(log, "form:create form:destroy ");
}

TEST_F(WFormTest, OwnedWindowsStayInFrontAndAreDestroyedFirst) {
  LoggedForm owner("owner", log);
  LoggedForm first("first", log);
  LoggedForm second("second", log);
  ASSERT_TRUE(owner.Create(kTestDialog, nullptr));
  ASSERT_TRUE(first.Create(kTestDialog, &owner));
  ASSERT_TRUE(second.Create(kTestDialog, &owner));
  // A window with a parent widget and its own frame: the window system keeps it in front
  // of its owner and minimises it with it.
  EXPECT_EQ(first.native()->parentWidget(), owner.native());
  EXPECT_TRUE(first.native()->isWindow());

  log.clear();
  ASSERT_TRUE(owner.Destroy());
  EXPECT_EQ(log, "first:destroy second:destroy owner:destroy ");
  EXPECT_FALSE(first.HasWindow());
  EXPECT_FALSE(second.HasWindow());
  EXPECT_FALSE(owner.Destroy());
}

TEST_F(WFormTest, CloseWindowQuitsOnlyForTheMainForm) {
  WExeApplication application;
  LoggedForm main_form("main", log);
  LoggedForm other("other", log);
  application.SetMainForm(&main_form);
  ASSERT_TRUE(main_form.Create(kTestDialog, nullptr));
  ASSERT_TRUE(other.Create(kTestDialog, &main_form));

  EXPECT_TRUE(other.CloseWindow());
  EXPECT_FALSE(other.HasWindow());
  EXPECT_TRUE(main_form.CloseWindow());
  // The quit request waits in the queue; the loop that runs next ends with its code.
  EXPECT_EQ(application.RunMessageLoop(), 0);
}

TEST_F(WFormTest, DeletingAFormWithAnOpenWindowLeavesNothingDangling) {
  auto owner = std::make_unique<LoggedForm>("owner", log);
  LoggedForm owned("owned", log);
  ASSERT_TRUE(owner->Create(kTestDialog, nullptr));
  ASSERT_TRUE(owned.Create(kTestDialog, owner.get()));

  owner.reset();
  wtesting::FlushDestroyedWindows();
  EXPECT_FALSE(owned.HasWindow());
  EXPECT_FALSE(owned.Destroy());
}
