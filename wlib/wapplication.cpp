// The application object on QApplication.
#include "wapplication.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <memory>

#include "qt_bridge.h"
#include "wtesting.h"

namespace {
WExeApplication* the_application = nullptr;

// One look everywhere, whatever the desktop: the Fusion style and the dialog font.
void ConfigureLook() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(ToQFont(WFont("8.MS Sans Serif")));
  QApplication::setQuitOnLastWindowClosed(false);
}
}  // namespace

WExeApplication::WExeApplication() {
  the_application = this;
}

WExeApplication::~WExeApplication() {
  if (the_application == this) the_application = nullptr;
}

WExeApplication* WExeApplication::Instance() {
  return the_application;
}

int WExeApplication::Run(int argc, char** argv) {
  std::unique_ptr<QApplication> gui;
  if (!QCoreApplication::instance()) gui = std::make_unique<QApplication>(argc, argv);
  ConfigureLook();
  WApplicationEventData data;
  StartEvent.Fire(data);
  if (!data.abort) RunEvent.Fire(data);
  EndEvent.Fire(data);
  wtesting::FlushDestroyedWindows();
  return data.exit_code;
}

int WExeApplication::RunMessageLoop() {
  return QApplication::exec();
}

void WExeApplication::PostQuit(int exit_code) {
  QTimer::singleShot(0, qApp, [exit_code] { QCoreApplication::exit(exit_code); });
}
