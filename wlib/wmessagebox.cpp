// The information message box.
#include "wmessagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "qt_bridge.h"

void WShowMessage(const WString& caption, const WString& text) {
  const QPointer<QWidget> active_window = QApplication::activeWindow();
  const QPointer<QWidget> focus = QApplication::focusWidget();
  QMessageBox box(QMessageBox::Information, ToQString(caption), ToQString(text), QMessageBox::Ok);
  box.setObjectName(QStringLiteral("WMessageBox"));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  box.raise();
  box.activateWindow();
  box.exec();
  if (active_window) active_window->activateWindow();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
}
