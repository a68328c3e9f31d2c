// Checks the memory game's card pictures and pointers in resources/: sizes, opacity, the card
// back's checker, the pointers' hot spots, and how far the faces of each set differ.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

const QString kResources = QStringLiteral(RESOURCES_DIR);

struct CardSet {
  const char* variant;
  int first;  // number of the first bitmap of the set
  int count;
};

// The four sets of faces by bitmap number; every set has ten faces, the suns' set comes last.
constexpr CardSet kSets[] = {{"1", 103, 10}, {"3", 113, 10}, {"2", 123, 10}, {"4", 133, 10}};

// The stated size of each card picture.
QSize card_size(int number) {
  if (number >= 103 && number <= 109) return {88, 79};
  if (number == 141 || number == 142) return {87, 82};
  return {87, 79};
}

QImage load(const QString& folder, int number, bool double_size = false) {
  return QImage(kResources + "/" + folder + "/" + QString::number(number) +
                (double_size ? "@2x.png" : ".png"));
}

QImage face(int number) {
  return load("bitmaps", number);
}

// The mean colour distance of two pictures, 0 (equal) to 255 (black against white): the
// distance of two pixels is the mean of their three channel differences, taken over the
// middle part both pictures share (faces of one set differ in size by a few pixels at most).
double mean_difference(const QImage& a, const QImage& b) {
  const int width = std::min(a.width(), b.width());
  const int height = std::min(a.height(), b.height());
  const QPoint a_offset((a.width() - width) / 2, (a.height() - height) / 2);
  const QPoint b_offset((b.width() - width) / 2, (b.height() - height) / 2);
  double sum = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const QRgb p = a.pixel(a_offset + QPoint(x, y));
      const QRgb q = b.pixel(b_offset + QPoint(x, y));
      sum += std::hypot(qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q));
    }
  }
  return sum / (width * height);
}

// The mean differences of all pairs of faces of one set.
std::vector<double> pair_differences(const CardSet& set) {
  std::vector<QImage> faces;
  for (int i = 0; i < set.count; ++i) faces.push_back(face(set.first + i));
  std::vector<double> differences;
  for (std::size_t i = 0; i < faces.size(); ++i) {
    for (std::size_t j = i + 1; j < faces.size(); ++j) {
      differences.push_back(mean_difference(faces[i], faces[j]));
    }
  }
  return differences;
}

bool fully_opaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 255) return false;
    }
  }
  return true;
}

// Every card picture, back and faces, exists at its stated size and at twice that size, and
// covers its whole card (a card box shows no background through it).
TEST(MemoryPictures, EveryCardPictureHasItsSizeBothTimesAndIsOpaque) {
  std::vector<std::pair<int, QSize>> pictures = {{102, QSize(87, 79)}};
  for (int number = 103; number <= 142; ++number) pictures.emplace_back(number, card_size(number));
  for (const auto& [number, size] : pictures) {
    SCOPED_TRACE(number);
    const QImage single = load("bitmaps", number);
    const QImage twice = load("bitmaps", number, true);
    ASSERT_FALSE(single.isNull());
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(single.size(), size);
    EXPECT_EQ(twice.size(), size * 2);
    EXPECT_TRUE(fully_opaque(single));
    EXPECT_TRUE(fully_opaque(twice));
  }
}

// The back is a one-pixel checker of white and pure blue, white in the top left corner; the
// double-size copy repeats each pixel as a two by two block.
TEST(MemoryPictures, CardBackIsACrispWhiteAndBlueChecker) {
  const QImage single = load("bitmaps", 102);
  const QImage twice = load("bitmaps", 102, true);
  ASSERT_FALSE(single.isNull());
  ASSERT_FALSE(twice.isNull());
  auto expected = [](int x, int y) {
    return (x + y) % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 255);
  };
  for (int y = 0; y < single.height(); ++y) {
    for (int x = 0; x < single.width(); ++x) {
      ASSERT_EQ(single.pixel(x, y) & 0xffffff, expected(x, y) & 0xffffff) << x << "," << y;
    }
  }
  for (int y = 0; y < twice.height(); ++y) {
    for (int x = 0; x < twice.width(); ++x) {
      ASSERT_EQ(twice.pixel(x, y) & 0xffffff, expected(x / 2, y / 2) & 0xffffff) << x << "," << y;
    }
  }
}

// Each pointer is 32 x 32 (64 x 64 doubled) and records its hot spot in 1x pixels in both copies.
TEST(MemoryPointers, EveryPointerHasItsSizeAndHotSpot) {
  struct PointerCase {
    int number;
    QPoint hotspot;
  };
  constexpr PointerCase kPointers[] = {{100, {12, 1}}, {101, {16, 15}}, {102, {0, 0}}};
  for (const PointerCase& pointer : kPointers) {
    SCOPED_TRACE(pointer.number);
    const QImage single = load("cursors", pointer.number);
    const QImage twice = load("cursors", pointer.number, true);
    ASSERT_FALSE(single.isNull());
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(single.size(), QSize(32, 32));
    EXPECT_EQ(twice.size(), QSize(64, 64));
    const QString spot = QString("%1,%2").arg(pointer.hotspot.x()).arg(pointer.hotspot.y());
    EXPECT_EQ(single.text("hotspot"), spot);
    EXPECT_EQ(twice.text("hotspot"), spot);
  }
}

// Thresholds, in the mean colour distance above (0..441). For scale: a red sun on white moved
// over 3 % of the card gives about 10; yellow turned into orange over a whole card about 170.
//
// Any two faces of one set must differ by at least 10, about two hundred pixels turned from
// white to red: enough for a careful look, so no face can be mistaken for another.
constexpr double kTellApart = 10;
// Each sun must have a look-alike in its set, another sun within this distance: the suns
// differ only in small details. Their largest differences (a sun seen face-on against one seen
// edge-on) are as large as those of other sets, because one object turned by 80 degrees is a
// large change; what makes the set hard is that every sun has such a close sibling.
constexpr double kLookAlike = 20;
// The faces of the other sets must be plainly different: every pair at least this factor
// farther apart than a sun from its look-alike, so even their two most similar faces differ
// far more than any sun does from its closest sibling.
constexpr double kPlainFactor = 2;

// No face of any set is the same as, or barely different from, another face of its set, or
// the game could not be won fairly.
TEST(MemoryFaces, EveryFaceCanBeToldApartFromTheOthersOfItsSet) {
  for (const CardSet& set : kSets) {
    SCOPED_TRACE(set.variant);
    const std::vector<double> differences = pair_differences(set);
    EXPECT_GE(*std::min_element(differences.begin(), differences.end()), kTellApart);
  }
}

// The largest distance of a sun from the sun most like it.
double farthest_look_alike(const CardSet& set) {
  double farthest = 0;
  for (int i = 0; i < set.count; ++i) {
    double nearest = 1e9;
    for (int j = 0; j < set.count; ++j) {
      if (i != j)
        nearest = std::min(nearest, mean_difference(face(set.first + i), face(set.first + j)));
    }
    farthest = std::max(farthest, nearest);
  }
  return farthest;
}

// The suns differ only in details, the faces of the other sets plainly.
TEST(MemoryFaces, PlainSetsDifferFarMoreThanTheSunsFromTheirLookAlikes) {
  const CardSet& suns = kSets[3];
  const double look_alike = farthest_look_alike(suns);
  EXPECT_LE(look_alike, kLookAlike);
  for (const CardSet& set : {kSets[0], kSets[1], kSets[2]}) {
    SCOPED_TRACE(set.variant);
    const std::vector<double> differences = pair_differences(set);
    EXPECT_GE(*std::min_element(differences.begin(), differences.end()), kPlainFactor * look_alike);
  }
}

}  // namespace
