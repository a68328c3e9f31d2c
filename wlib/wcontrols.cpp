// Controls attached to the template controls of a form's window.
#include "wcontrols.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>

#include "qt_bridge.h"
#include "template_widgets.h"
#include "wform.h"

namespace {

// Lives beside the widget (as its child) and passes its events to the control object, as
// long as there is one: the object may be deleted while the widget waits for removal.
class ControlEvents final : public QObject {
 public:
  ControlEvents(QWidget* widget, WControl* control) : QObject(widget), control_(control) {
    widget->installEventFilter(this);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      connect(button, &QAbstractButton::clicked, this, [this] {
        if (WControl* control = control_) control->ClickEvent.Fire();
      });
    }
  }

  void Detach() { control_ = nullptr; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    WControl* control = control_;
    if (!control) return false;
    // Nothing below touches this object after firing: a handler may delete the control.
    if (event->type() == QEvent::MouseButtonPress) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) control->LeftButtonDownEvent.Fire(At(mouse));
    } else if (event->type() == QEvent::MouseMove) {
      control->MouseMoveEvent.Fire(At(static_cast<QMouseEvent*>(event)));
    }
    return false;
  }

 private:
  static WMouseEvent At(const QMouseEvent* mouse) {
    const QPoint at = mouse->position().toPoint();
    return WMouseEvent{at.x(), at.y()};
  }

  WControl* control_;
};

void SetPaletteColor(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                     WColor color) {
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : roles) palette.setColor(role, ToQColor(color));
  widget->setPalette(palette);
}

}  // namespace

struct WControl::Impl {
  WControlKind kind;
  QPointer<QWidget> widget;
  QPointer<ControlEvents> events;
  WString name;

  void Detach() {
    if (events) {
      events->Detach();
      events->deleteLater();
    }
    events = nullptr;
    widget = nullptr;
  }
};

WControl::WControl(WControlKind kind) : impl_(std::make_unique<Impl>()) {
  impl_->kind = kind;
}

WControl::~WControl() {
  impl_->Detach();
}

bool WControl::Attach(WForm& form, int id) {
  impl_->Detach();
  QWidget* widget = form.TemplateControl(id);
  if (!widget || TemplateControlKind(widget) != impl_->kind) return false;
  impl_->widget = widget;
  impl_->events = new ControlEvents(widget, this);
  if (!impl_->name.IsEmpty()) SetName(impl_->name);
  return true;
}

bool WControl::IsAttached() const {
  return !impl_->widget.isNull();
}
QWidget* WControl::native() const {
  return impl_->widget;
}

void WControl::SetText(const WString& text) {
  QWidget* widget = impl_->widget;
  const QString qtext = ToQString(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(qtext);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(qtext);
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
    box->setPlainText(qtext);
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setText(qtext);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(qtext);
  }
}

WString WControl::GetText() const {
  QWidget* widget = impl_->widget;
  if (auto* label = qobject_cast<QLabel*>(widget)) return FromQString(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return FromQString(button->text());
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) return FromQString(box->toPlainText());
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return FromQString(line->text());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return FromQString(combo->currentText());
  return WString();
}

void WControl::SetVisible(bool visible) {
  if (impl_->widget) impl_->widget->setVisible(visible);
}

bool WControl::IsVisible() const {
  return impl_->widget && !impl_->widget->isHidden();
}

void WControl::SetFont(const WFont& font) {
  if (impl_->widget) impl_->widget->setFont(ToQFont(font));
}

void WControl::SetForeColor(WColor color) {
  if (!impl_->widget) return;
  SetPaletteColor(impl_->widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText},
                  color);
}

void WControl::SetBackColor(WColor color) {
  if (!impl_->widget) return;
  SetPaletteColor(impl_->widget, {QPalette::Window, QPalette::Base, QPalette::Button}, color);
  impl_->widget->setAutoFillBackground(true);
}

int WControl::GetLeft() const {
  return impl_->widget ? impl_->widget->x() : 0;
}
int WControl::GetTop() const {
  return impl_->widget ? impl_->widget->y() : 0;
}

void WControl::SetLeft(int left) {
  if (impl_->widget) impl_->widget->move(left, impl_->widget->y());
}

void WControl::SetTop(int top) {
  if (impl_->widget) impl_->widget->move(impl_->widget->x(), top);
}

void WControl::SetFocus() {
  if (impl_->widget) impl_->widget->setFocus(Qt::OtherFocusReason);
}

void WControl::SetTabStop(bool tab_stop) {
  if (!impl_->widget) return;
  impl_->widget->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void WControl::SetName(const WString& name) {
  impl_->name = name;
  if (!impl_->widget) return;
  impl_->widget->setObjectName(ToQString(name));
  impl_->widget->setAccessibleName(ToQString(name));
}

const WString& WControl::GetName() const {
  return impl_->name;
}

void WCommandButton::SetPushed(bool pushed) {
  if (auto* button = qobject_cast<QAbstractButton*>(native())) button->setDown(pushed);
}

void WPictureBox::SetBitmap(const WBitmap& bitmap) {
  auto* picture = qobject_cast<QLabel*>(native());
  if (picture && bitmap.data()) picture->setPixmap(bitmap.data()->pixmap);
}

bool WRichTextBox::SaveFile(const WFilePath& path) {
  QFile file(ToQString(path.str()));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = QByteArray::fromStdString(GetText().str());
  return file.write(bytes) == bytes.size();
}

bool WRichTextBox::LoadFile(const WFilePath& path) {
  QFile file(ToQString(path.str()));
  if (!file.open(QIODevice::ReadOnly)) return false;
  SetText(WString(file.readAll().toStdString()));
  return true;
}

WString WRichTextBox::GetLine(int index) const {
  auto* box = qobject_cast<QPlainTextEdit*>(native());
  if (!box || index < 0 || index >= box->document()->blockCount()) return WString();
  return FromQString(box->document()->findBlockByNumber(index).text());
}

int WRichTextBox::GetLineCount() const {
  auto* box = qobject_cast<QPlainTextEdit*>(native());
  return box ? box->document()->blockCount() : 0;
}

void WComboBox::AddItem(const WString& item) {
  auto* combo = qobject_cast<QComboBox*>(native());
  if (!combo) return;
  // The edit field keeps its text: a new item is only offered, not chosen.
  const QString text = combo->currentText();
  combo->addItem(ToQString(item));
  if (combo->isEditable()) combo->setEditText(text);
}

void WComboBox::SetDropDownHeight(int pixels) {
  auto* combo = qobject_cast<QComboBox*>(native());
  if (!combo) return;
  // The list shows as many items as fit below the box in that height.
  const int item_height = std::max(1, combo->fontMetrics().height() + 2);
  combo->setMaxVisibleItems(std::max(1, (pixels - combo->height()) / item_height));
}
