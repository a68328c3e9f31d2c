// Test support for message boxes and destroyed windows.
#include "wtesting.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "qt_bridge.h"

namespace wtesting {

void FlushDestroyedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ConfirmNextMessage(std::function<void(const WString&, const WString&)> inspect) {
  // Looks again at every turn of the event loop until the box is there: the box's own
  // loop keeps turning while it waits for the player.
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect = std::move(inspect)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    if (inspect) inspect(FromQString(box->windowTitle()), FromQString(box->text()));
    box->button(QMessageBox::Ok)->click();
  });
  poll->start(0);
}

TemporaryWorkingDirectory::TemporaryWorkingDirectory()
    : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "denkfalke-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary directory");
  directory_ = pattern;
  std::filesystem::current_path(directory_);
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(directory_, ignored);
}

}  // namespace wtesting
