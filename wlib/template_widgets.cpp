// Builds the Qt widgets of template controls.
#include "template_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt_bridge.h"

namespace {

const char* const kKindProperty = "wlib_kind";

bool Has(const WTemplateControl& control, WControlStyle style) {
  return (control.style & style) != 0;
}

void ApplyFrame(QFrame* frame, const WTemplateControl& control) {
  if (Has(control, WStyleFramed)) {
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
  } else if (Has(control, WStyleSunken)) {
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  } else if (Has(control, WStyleBorder)) {
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  } else {
    frame->setFrameStyle(QFrame::NoFrame);
  }
}

QWidget* BuildButton(const WTemplateControl& control, QWidget* window) {
  auto* button = new QPushButton(QString::fromUtf8(control.text), window);
  button->setAutoDefault(false);
  return button;
}

QWidget* BuildLabel(const WTemplateControl& control, QWidget* window) {
  auto* label = new QLabel(QString::fromUtf8(control.text), window);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Has(control, WStyleCentred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(Has(control, WStyleWordWrap));
  ApplyFrame(label, control);
  return label;
}

QWidget* BuildPictureBox(const WTemplateControl& control, QWidget* window) {
  auto* picture = new QLabel(window);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ApplyFrame(picture, control);
  return picture;
}

QWidget* BuildRichTextBox(const WTemplateControl& control, QWidget* window) {
  auto* box = new QPlainTextEdit(QString::fromUtf8(control.text), window);
  box->setLineWrapMode(Has(control, WStyleMultiLine) ? QPlainTextEdit::WidgetWidth
                                                     : QPlainTextEdit::NoWrap);
  ApplyFrame(box, control);
  return box;
}

QWidget* BuildTextBox(const WTemplateControl& control, QWidget* window) {
  auto* box = new QLineEdit(QString::fromUtf8(control.text), window);
  box->setFrame(Has(control, WStyleBorder) || Has(control, WStyleSunken));
  if (Has(control, WStyleLowerCase)) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
      const QString lower = text.toLower();
      if (lower == text) return;
      const int cursor = box->cursorPosition();
      box->setText(lower);
      box->setCursorPosition(cursor);
    });
  }
  return box;
}

QWidget* BuildComboBox(const WTemplateControl& control, QWidget* window) {
  auto* box = new QComboBox(window);
  box->setEditable(Has(control, WStyleEditable));
  box->setInsertPolicy(QComboBox::NoInsert);
  if (box->isEditable()) box->setEditText(QString::fromUtf8(control.text));
  return box;
}

QWidget* BuildWidget(const WTemplateControl& control, QWidget* window) {
  switch (control.kind) {
    case WControlKind::CommandButton:
      return BuildButton(control, window);
    case WControlKind::Label:
      return BuildLabel(control, window);
    case WControlKind::PictureBox:
      return BuildPictureBox(control, window);
    case WControlKind::RichTextBox:
      return BuildRichTextBox(control, window);
    case WControlKind::TextBox:
      return BuildTextBox(control, window);
    case WControlKind::ComboBox:
      return BuildComboBox(control, window);
  }
  return nullptr;
}

}  // namespace

QWidget* BuildTemplateControl(const WTemplateControl& control, QWidget* window) {
  QWidget* widget = BuildWidget(control, window);
  widget->setProperty(kKindProperty, static_cast<int>(control.kind));
  // A control keeps its mouse to itself, as a child window of a desktop dialog does:
  // moves are reported without a button held, and nothing passes on to the window.
  widget->setMouseTracking(true);
  widget->setAttribute(Qt::WA_NoMousePropagation);
  if (control.font) widget->setFont(ToQFont(WFont(control.font)));
  const int height = DialogUnitsToPixelsY(control.rect.height);
  // A drop-down list's template height includes its opened list; the box is one line.
  const int shown_height =
      control.kind == WControlKind::ComboBox ? widget->sizeHint().height() : height;
  widget->setGeometry(DialogUnitsToPixelsX(control.rect.x), DialogUnitsToPixelsY(control.rect.y),
                      DialogUnitsToPixelsX(control.rect.width), shown_height);
  widget->setVisible(!Has(control, WStyleHidden));
  return widget;
}

WControlKind TemplateControlKind(const QWidget* widget) {
  return static_cast<WControlKind>(widget->property(kKindProperty).toInt());
}
