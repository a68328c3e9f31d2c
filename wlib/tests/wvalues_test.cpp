// Tests of the value types: text formatting, font descriptions, dialog units, resources.
#include <gtest/gtest.h>

#include "wdialog_template.h"
#include "wgraphics.h"
#include "wstring.h"

TEST(WStringTest, FormatsLikePrintfAndComparesExactly) {
  EXPECT_EQ(WString::Format("Zeit: %d", 12), WString("Zeit: 12"));
  EXPECT_EQ(WString::Format("%d von %d", 3, 15).str(), "3 von 15");
  EXPECT_FALSE(WString("Start") == WString("start"));
  EXPECT_FALSE(WString("1") == WString("1\n"));
  EXPECT_EQ(WString("Zahlenstraße").str().size(), 13u);  // UTF-8: ß takes two bytes
}

struct FontCase {
  const char* description;
  int point_size;
  const char* face;
  bool bold;
  int pixel_size;
};

TEST(WFontTest, ReadsDescriptionStrings) {
  const FontCase cases[] = {
      {"8.MS Sans Serif", 8, "MS Sans Serif", false, 11},
      {"10.MS Sans Serif.Bold", 10, "MS Sans Serif", true, 13},
      {"14.MS Sans Serif", 14, "MS Sans Serif", false, 19},
      {"24.MS Sans Serif", 24, "MS Sans Serif", false, 32},
      {"12.Liberation Sans.Italic", 12, "Liberation Sans", false, 16},
      // Unreadable descriptions give the dialog font.
      {"", 8, "MS Sans Serif", false, 11},
      {"MS Sans Serif", 8, "MS Sans Serif", false, 11},
      {"-3.MS Sans Serif", 8, "MS Sans Serif", false, 11},
      {"14x.MS Sans Serif", 8, "MS Sans Serif", false, 11},
  };
  for (const FontCase& expected : cases) {
    SCOPED_TRACE(expected.description);
    const WFont font(expected.description);
    EXPECT_EQ(font.PointSize(), expected.point_size);
    EXPECT_EQ(font.Face(), WString(expected.face));
    EXPECT_EQ(font.IsBold(), expected.bold);
    EXPECT_EQ(font.PixelSize(), expected.pixel_size);
  }
  EXPECT_TRUE(WFont("12.Liberation Sans.Italic").IsItalic());
}

TEST(DialogUnitsTest, FourAcrossAreSixPixelsAndEightDownAreThirteen) {
  EXPECT_EQ(DialogUnitsToPixelsX(4), 6);
  EXPECT_EQ(DialogUnitsToPixelsY(8), 13);
  EXPECT_EQ(DialogUnitsToPixelsX(380), 570);  // the menu banner's box
  EXPECT_EQ(DialogUnitsToPixelsY(51), 83);
  EXPECT_EQ(DialogUnitsToPixelsX(520), 780);  // the menu's whole layout
  EXPECT_EQ(DialogUnitsToPixelsY(335), 544);
  EXPECT_EQ(DialogUnitsToPixelsX(0), 0);
}

TEST(WBitmapTest, UnknownResourceNumberLoadsNothing) {
  const WBitmap missing(9999);
  EXPECT_FALSE(missing.IsLoaded());
  EXPECT_EQ(missing.Width(), 0);
}
