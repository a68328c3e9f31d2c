// Windows built from dialog templates, on Qt widgets.
#include "wform.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <map>
#include <vector>

#include "qt_bridge.h"
#include "template_widgets.h"
#include "wapplication.h"

// Lets the window widget reach the form's close handling.
struct WFormAccess {
  static void RequestClose(WForm& form) {
    if (!form.CloseEvent.Fire()) form.Destroy();
  }
};

namespace {

// The top-level widget of a form. It only forwards; the form object decides.
class FormWindow final : public QWidget {
 public:
  FormWindow(WForm* form, QWidget* owner) : QWidget(owner, Qt::Window), form_(form) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setMouseTracking(true);
  }

  // The form lets go of its window: from now on events reach nobody.
  void Detach() { form_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The form's close handler decides; by default it destroys the window.
    event->ignore();
    if (form_) WFormAccess::RequestClose(*form_);
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    if (!form_) return;
    const QPoint at = event->position().toPoint();
    form_->MouseMoveEvent.Fire(WMouseEvent{at.x(), at.y()});
  }

 private:
  WForm* form_;
};

}  // namespace

struct WForm::Impl {
  QPointer<FormWindow> window;
  WForm* owner = nullptr;
  std::vector<WForm*> owned;
  std::map<int, QPointer<QWidget>> controls;
  WString name;
  WString last_error;

  void ForgetOwner(WForm* self) {
    if (!owner) return;
    std::erase(owner->impl_->owned, self);
    owner = nullptr;
  }
};

WForm::WForm() : impl_(std::make_unique<Impl>()) {}

WForm::~WForm() {
  impl_->ForgetOwner(this);
  // Owned windows are children of this window and go with it.
  for (WForm* owned : impl_->owned) owned->impl_->owner = nullptr;
  if (impl_->window) {
    impl_->window->Detach();
    impl_->window->hide();
    impl_->window->deleteLater();
  }
}

bool WForm::Create(const WDialogTemplate& dialog, WForm* owner) {
  if (HasWindow()) {
    impl_->last_error = "The window has already been created.";
    return false;
  }
  auto* window = new FormWindow(this, owner ? owner->native() : nullptr);
  window->setWindowTitle(QString::fromUtf8(dialog.caption));
  window->setObjectName(ToQString(impl_->name));
  window->setFont(ToQFont(WFont(dialog.font)));
  window->resize(DialogUnitsToPixelsX(dialog.width), DialogUnitsToPixelsY(dialog.height));
  impl_->controls.clear();
  for (const WTemplateControl& control : dialog.controls) {
    impl_->controls[control.id] = BuildTemplateControl(control, window);
  }
  impl_->window = window;
  impl_->owner = owner;
  if (owner) owner->impl_->owned.push_back(this);
  impl_->last_error = WString();
  CreateEvent.Fire();
  return true;
}

bool WForm::Destroy() {
  if (!impl_->window) return false;
  // Owned windows go first, each with its own tear-down.
  const std::vector<WForm*> owned = impl_->owned;
  for (WForm* form : owned) form->Destroy();
  DestroyEvent.Fire();
  FormWindow* window = impl_->window;
  impl_->window = nullptr;
  impl_->controls.clear();
  impl_->ForgetOwner(this);
  if (window) {
    window->Detach();
    window->hide();
    // Removed once the current event is handled: Destroy may run inside one of its events.
    window->deleteLater();
  }
  return true;
}

bool WForm::CloseWindow() {
  WExeApplication* application = WExeApplication::Instance();
  if (Destroy() && application && application->MainForm() == this) application->PostQuit(0);
  return true;
}

bool WForm::HasWindow() const {
  return !impl_->window.isNull();
}
const WString& WForm::LastError() const {
  return impl_->last_error;
}

void WForm::CenterWindow() {
  QWidget* window = impl_->window;
  if (!window || window->isMaximized() || window->isMinimized()) return;
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect work_area = screen->availableGeometry();
  QRect over = work_area;
  if (impl_->owner && impl_->owner->native()) {
    QWidget* owner = impl_->owner->native();
    over = QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
  }
  QRect frame = window->frameGeometry();
  frame.moveCenter(over.center());
  // Keep the right and bottom edges inside the work area, the left and top at 0 or more.
  frame.moveRight(std::min(frame.right(), work_area.right()));
  frame.moveBottom(std::min(frame.bottom(), work_area.bottom()));
  frame.moveLeft(std::max(frame.left(), 0));
  frame.moveTop(std::max(frame.top(), 0));
  window->move(frame.topLeft());
}

void WForm::ShowMaximized() {
  if (impl_->window) impl_->window->showMaximized();
}

void WForm::SetVisible(bool visible) {
  if (!impl_->window) return;
  // A maximised window stays maximised when it is shown.
  if (visible && impl_->window->isMaximized()) {
    impl_->window->showMaximized();
  } else {
    impl_->window->setVisible(visible);
  }
}

void WForm::SetFont(const WFont& font) {
  if (impl_->window) impl_->window->setFont(ToQFont(font));
}

void WForm::SetBackColor(WColor color) {
  if (!impl_->window) return;
  QPalette palette = impl_->window->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  impl_->window->setPalette(palette);
  impl_->window->setAutoFillBackground(true);
}

void WForm::SetForeColor(WColor color) {
  if (!impl_->window) return;
  QPalette palette = impl_->window->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  impl_->window->setPalette(palette);
}

void WForm::SetIcon(int resource_id) {
  if (!impl_->window) return;
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString file = QStringLiteral(":/icons/%1_%2.png").arg(resource_id).arg(size);
    if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
  }
  impl_->window->setWindowIcon(icon);
}

void WForm::SetPointer(const WCursor& cursor) {
  if (!impl_->window || !cursor.data()) return;
  impl_->window->setCursor(cursor.data()->cursor);
}

void WForm::SetName(const WString& name) {
  impl_->name = name;
  if (impl_->window) impl_->window->setObjectName(ToQString(name));
}

const WString& WForm::GetName() const {
  return impl_->name;
}

void WForm::SetControlOrder(std::span<const int> ids) {
  QWidget* previous = nullptr;
  for (int id : ids) {
    QWidget* control = TemplateControl(id);
    if (!control) continue;
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
  // Raising from the last to the first leaves the first on top.
  for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
    if (QWidget* control = TemplateControl(*id)) control->raise();
  }
}

QWidget* WForm::native() const {
  return impl_->window;
}

QWidget* WForm::TemplateControl(int id) const {
  const auto found = impl_->controls.find(id);
  return found == impl_->controls.end() ? nullptr : found->second.data();
}
