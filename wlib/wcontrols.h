// The controls of a form: objects attached to the template controls of its window by id.
#pragma once

#include <memory>

#include "wdialog_template.h"
#include "wevent.h"
#include "wgraphics.h"
#include "wstring.h"

class QWidget;
class WForm;

class WControl {
 public:
  virtual ~WControl();
  WControl(const WControl&) = delete;
  WControl& operator=(const WControl&) = delete;

  WEvent<> ClickEvent;                             // a button was clicked
  WEvent<const WMouseEvent&> LeftButtonDownEvent;  // the left mouse button went down on it
  WEvent<const WMouseEvent&> MouseMoveEvent;       // the mouse moved over it

  // Binds this object to the template control `id` of `form`'s window; false if the window
  // has no control of that id and kind. Every other operation does nothing until then,
  // and again once the window is gone.
  bool Attach(WForm& form, int id);
  bool IsAttached() const;

  void SetText(const WString& text);
  WString GetText() const;
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool IsVisible() const;
  void SetFont(const WFont& font);
  void SetForeColor(WColor color);
  void SetBackColor(WColor color);
  // Position of the top left corner in pixels, relative to the window's client area.
  int GetLeft() const;
  int GetTop() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetFocus();
  void SetTabStop(bool tab_stop);
  // The member name ("cb_1"); also the control's object and accessible name.
  void SetName(const WString& name);
  const WString& GetName() const;

  QWidget* native() const;

 protected:
  explicit WControl(WControlKind kind);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class WCommandButton : public WControl {
 public:
  WCommandButton() : WControl(WControlKind::CommandButton) {}
  void SetPushed(bool pushed);
};

class WLabel : public WControl {
 public:
  WLabel() : WControl(WControlKind::Label) {}
};

class WPictureBox : public WControl {
 public:
  WPictureBox() : WControl(WControlKind::PictureBox) {}
  // Shows the bitmap at its own size in the top left corner.
  void SetBitmap(const WBitmap& bitmap);
};

class WRichTextBox : public WControl {
 public:
  WRichTextBox() : WControl(WControlKind::RichTextBox) {}
  // Writes the box's plain text to the file (UTF-8, nothing added); false on failure.
  bool SaveFile(const WFilePath& path);
  // Replaces the box's content by the file's plain text; false on failure.
  bool LoadFile(const WFilePath& path);
  // Line `index` (from 0) of the box's text without its line end; empty past the end.
  WString GetLine(int index) const;
  int GetLineCount() const;
};

class WTextBox : public WControl {
 public:
  WTextBox() : WControl(WControlKind::TextBox) {}
};

class WComboBox : public WControl {
 public:
  WComboBox() : WControl(WControlKind::ComboBox) {}
  void AddItem(const WString& item);
  // Height in pixels of the box together with its opened list.
  void SetDropDownHeight(int pixels);
};
