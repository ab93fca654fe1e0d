#include "app/qt/gui_main.hpp"

#include <QApplication>

#include "app/qt/qt_toolkit.hpp"
#include "core/value_memory.hpp"

// Resources of a static library must be registered by hand, from the global namespace.
static void InitialiseResources() { Q_INIT_RESOURCE(strcrypt_gui); }

namespace strcrypt::app::qt {
namespace {

Application* g_application = nullptr;
bool g_reporting_out_of_memory = false;

[[noreturn]] void ReportOutOfMemoryFatally(std::int64_t requested_bytes) {
  // The message is built without a value, so a second failure cannot recurse here.
  if (g_application == nullptr || g_reporting_out_of_memory) std::abort();
  g_reporting_out_of_memory = true;
  g_application->ReportFatalError(OutOfMemoryMessage(requested_bytes));
}

}  // namespace

int RunStrcryptGui(const char* program_path) {
  int argc = 1;
  char* argv[] = {const_cast<char*>(program_path), nullptr};
  QApplication qt(argc, argv);
  InitialiseResources();

  QtToolkit toolkit(QStringLiteral(STRCRYPT_MAKER_URL));
  Application application(toolkit);
  toolkit.SetApplication(application);
  g_application = &application;
  SetOutOfMemoryHandler(ReportOutOfMemoryFatally);

  const int status = application.Shutdown(ProgramStart(application));
  SetOutOfMemoryHandler(nullptr);
  g_application = nullptr;
  return status;
}

}  // namespace strcrypt::app::qt
