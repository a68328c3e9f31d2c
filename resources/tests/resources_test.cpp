// Every picture, pointer and icon the program uses, loaded by number through the GUI class
// layer, at the sizes the windows are laid out for.
#include <gtest/gtest.h>

#include <QIcon>
#include <QWidget>

#include "test_dialog.h"
#include "wform.h"
#include "wgraphics.h"
#include "wtesting.h"

namespace {

struct PictureSize {
  int first, last;  // resource numbers
  int width, height;
};

// Menu banner and picture, card back, and the four face sets.
constexpr PictureSize kBitmaps[] = {
    {100, 100, 570, 83}, {101, 101, 95, 83}, {102, 102, 87, 79},
    {103, 109, 88, 79},  {110, 112, 87, 79}, {113, 122, 87, 79},
    {123, 132, 87, 79},  {133, 140, 87, 79}, {141, 142, 87, 82},
};

struct HotSpot {
  int id, x, y;
};

constexpr HotSpot kCursors[] = {{100, 12, 1}, {101, 16, 15}, {102, 0, 0}};

}  // namespace

TEST(ResourcesTest, EveryBitmapLoadsAtItsLayoutSize) {
  for (const PictureSize& size : kBitmaps) {
    for (int id = size.first; id <= size.last; ++id) {
      SCOPED_TRACE(id);
      const WBitmap bitmap(id);
      ASSERT_TRUE(bitmap.IsLoaded());
      EXPECT_EQ(bitmap.Width(), size.width);
      EXPECT_EQ(bitmap.Height(), size.height);
    }
  }
  EXPECT_FALSE(WBitmap(143).IsLoaded());
}

TEST(ResourcesTest, EveryPointerLoadsWithItsHotSpot) {
  for (const HotSpot& spot : kCursors) {
    SCOPED_TRACE(spot.id);
    const WCursor cursor(spot.id);
    ASSERT_TRUE(cursor.IsLoaded());
    EXPECT_EQ(cursor.HotSpotX(), spot.x);
    EXPECT_EQ(cursor.HotSpotY(), spot.y);
  }
  EXPECT_FALSE(WCursor(103).IsLoaded());
}

TEST(ResourcesTest, TheProgramIconComesInEverySizeADesktopAsksFor) {
  WModelessDialog form;
  ASSERT_TRUE(form.Create(kTestDialog, nullptr));
  form.SetIcon(100);
  const QList<QSize> sizes = form.native()->windowIcon().availableSizes();
  for (int side : {16, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  }
  form.Destroy();
  wtesting::FlushDestroyedWindows();
}
