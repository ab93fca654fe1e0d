#include "app/qt/gui_main.hpp"

#include <QApplication>

#include "app/qt/qt_toolkit.hpp"

namespace strcrypt::app::qt {

int RunStrcryptGui(const char* program_path) {
  int argc = 1;
  char* argv[] = {const_cast<char*>(program_path), nullptr};
  QApplication qt(argc, argv);
  // Ties the window to its desktop entry (icon and name on Wayland and in task bars).
  QGuiApplication::setDesktopFileName(QStringLiteral("example.lumaren.strcrypt"));

  QtToolkit toolkit(QStringLiteral(STRCRYPT_MAKER_URL));
  Application application(toolkit);
  toolkit.SetApplication(application);
  application.TakeOutOfMemoryReports();
  return application.Shutdown(ProgramStart(application));
}

}  // namespace strcrypt::app::qt
