// On a screen with twice the pixel density the pictures come from their sharper copies and
// keep their layout size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>

#include "qt_bridge.h"
#include "wgraphics.h"

TEST(DenseScreenTest, PicturesUseTheirDoubleSizeCopyAtTheSameLayoutSize) {
  ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
  for (int id : {100, 102, 133, 141}) {
    SCOPED_TRACE(id);
    const WBitmap bitmap(id);
    ASSERT_TRUE(bitmap.IsLoaded());
    EXPECT_EQ(bitmap.data()->pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(bitmap.data()->pixmap.width(), 2 * bitmap.Width());
  }
  EXPECT_EQ(WBitmap(141).Height(), 82);
  const WCursor hand(100);
  EXPECT_EQ(hand.data()->cursor.pixmap().devicePixelRatio(), 2.0);
  EXPECT_EQ(hand.HotSpotX(), 12);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
