// WForm and WModelessDialog: windows built from a dialog template.
#pragma once

#include <memory>
#include <span>

#include "wdialog_template.h"
#include "wevent.h"
#include "wgraphics.h"
#include "wstring.h"

class QWidget;

class WForm {
 public:
  WForm();
  virtual ~WForm();
  WForm(const WForm&) = delete;
  WForm& operator=(const WForm&) = delete;

  WEvent<> CreateEvent;   // the window and its template controls exist; set them up
  WEvent<> CloseEvent;    // the player asks to close; unhandled, the window is destroyed
  WEvent<> DestroyEvent;  // the window is going; its owned windows are already gone
  WEvent<const WMouseEvent&> MouseMoveEvent;  // over the window's own background

  // Creates the window from `dialog` at its template size, owned by `owner` (none: a window of
  // its own), and fires CreateEvent before returning. An owned window stays in front of its
  // owner, is hidden while the owner is minimised and is destroyed with it.
  // Fails, with LastError() "The window has already been created.", if this object has one.
  bool Create(const WDialogTemplate& dialog, WForm* owner);
  // Destroys the owned windows, fires DestroyEvent and removes the window; false if none.
  bool Destroy();
  bool HasWindow() const;
  // The close handling every window of the program shares: destroys the window and, if this
  // is the application's main form, posts the quit request with code 0. Returns true, so
  // that no default close processing follows.
  bool CloseWindow();
  const WString& LastError() const;

  // Centres the window over its owner's client area, or over the work area without owner,
  // keeping it inside the work area; a maximised or minimised window stays as it is.
  void CenterWindow();
  void ShowMaximized();
  void SetVisible(bool visible);
  void SetFont(const WFont& font);
  void SetBackColor(WColor color);
  void SetForeColor(WColor color);
  void SetIcon(int resource_id);
  // Sets the mouse pointer over the window at once and keeps it.
  void SetPointer(const WCursor& cursor);
  void SetName(const WString& name);
  const WString& GetName() const;
  // Keyboard (Tab) and stacking order of the template controls: the first id is on top.
  void SetControlOrder(std::span<const int> ids);

  // The window, or nullptr; for the library's controls and for tests.
  QWidget* native() const;
  // The template control with this id in the current window, or nullptr.
  QWidget* TemplateControl(int id) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  friend struct WFormAccess;
};

// A window created from a dialog template that does not block the rest of the application.
class WModelessDialog : public WForm {};
