// Colours, fonts, bitmaps and mouse pointers: the library's drawing value types.
#pragma once

#include <cstdint>
#include <memory>

#include "wstring.h"

// A colour given by its red, green and blue components, 0 to 255 each.
struct WColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const WColor&, const WColor&) = default;
};

// A font given by a description string: point size, a dot, the face name, then optional
// dot-separated style words ("14.MS Sans Serif", "10.MS Sans Serif.Bold").
class WFont {
 public:
  // A description that cannot be read gives the dialog font, 8-point MS Sans Serif.
  explicit WFont(std::string_view description);

  int PointSize() const { return point_size_; }
  const WString& Face() const { return face_; }
  bool IsBold() const { return bold_; }
  bool IsItalic() const { return italic_; }
  bool IsUnderlined() const { return underlined_; }
  // The height of the font's em box in pixels on a 96 DPI screen (8 points: 11 pixels).
  int PixelSize() const;

 private:
  int point_size_ = 8;
  WString face_ = "MS Sans Serif";
  bool bold_ = false;
  bool italic_ = false;
  bool underlined_ = false;
};

struct WBitmapData;

// A picture from the program's resources, by its resource number.
class WBitmap {
 public:
  WBitmap() = default;
  explicit WBitmap(int resource_id);
  int Id() const { return id_; }
  // False when the resources hold no picture of this number.
  bool IsLoaded() const;
  // Size in pixels of the screen layout (a sharper copy for dense screens keeps this size).
  int Width() const;
  int Height() const;
  const WBitmapData* data() const { return data_.get(); }

 private:
  int id_ = 0;
  std::shared_ptr<const WBitmapData> data_;
};

struct WCursorData;

// A mouse pointer from the program's resources, by its resource number.
class WCursor {
 public:
  explicit WCursor(int resource_id);
  int Id() const { return id_; }
  bool IsLoaded() const;
  // The pixel of the pointer's picture that marks where it points.
  int HotSpotX() const;
  int HotSpotY() const;
  const WCursorData* data() const { return data_.get(); }

 private:
  int id_ = 0;
  std::shared_ptr<const WCursorData> data_;
};
