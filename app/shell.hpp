#pragma once

#include <cstdint>
#include <map>
#include <string_view>

#include "app/toolkit.hpp"
#include "app/window_definition.hpp"
#include "core/action_host.hpp"

namespace strcrypt::app {

// Window events raised by every window; none of them is bound in this program.
enum WindowEvent : std::int32_t {
  kWindowCreated = 0,
  kWindowCloseRequest = 1,
  kWindowDestroying = 2,
  kWindowMoved = 3,
  kWindowResized = 4,
};
inline constexpr std::int32_t kClickedEvent = 0;

// Fatal messages (GBK).
// "载入窗口模板数据段出错!"
inline constexpr std::string_view kDefinitionsUnreadable =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// "载入启动窗口失败"
inline constexpr std::string_view kStartWindowFailed =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
// "指定窗口尚未载入"
inline constexpr std::string_view kWindowNotLoaded =
    "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB";

using Action = void (*)(ActionHost& host);
using ExitHook = void (*)();

// An event of a control (or of the window itself, control number 0) bound to an action.
struct EventBinding {
  std::int32_t event;
  Action action;
};

// The application shell: start-up, event delivery, the fatal-error path and shutdown, on one
// thread, against any Toolkit.
class Application final : private ActionHost {
 public:
  explicit Application(Toolkit& toolkit) : toolkit_(toolkit) {}

  void InitialiseShell();
  void SetExitHook(ExitHook hook) { exit_hook_ = hook; }
  void LoadStartWindow(std::uint32_t window_number);
  void RunEventLoop();
  // The orderly end: runs the exit hook once and gives back the status to end with.
  int Shutdown(int status);
  [[noreturn]] void ReportFatalError(std::string_view message);
  // Makes running out of memory anywhere this shell's fatal error, until Shutdown.
  void TakeOutOfMemoryReports();

  // From the toolkit: an event of a control (0 for the window itself), and the window's end.
  void RaiseEvent(std::uint32_t window, std::uint32_t control, std::int32_t event);
  void WindowDestroyed(std::uint32_t window);

  // What the actions see of the window.
  ActionHost& Host() { return *this; }
  void ProcessEvents() override;

  std::int32_t EventGate() const { return event_gate_; }
  bool EndRequested() const { return end_requested_; }

 private:
  struct WindowEntry {
    const WindowDefinition* definition;
    std::map<std::uint32_t, std::map<std::int32_t, Action>> bindings;  // by control number
    bool loaded = false;
  };

  Text ReadText(std::string_view box) override;
  std::int32_t ReadSelection(std::string_view list) override;
  void WriteText(std::string_view box, const Text& text) override;
  void RequireLoaded(std::uint32_t window);

  Toolkit& toolkit_;
  ExitHook exit_hook_ = nullptr;
  std::int32_t event_gate_ = 0;
  bool loop_started_ = false;
  bool end_requested_ = false;
  std::map<std::uint32_t, WindowEntry> window_registry_;
};

// The program: prepares the shell, starts WorkBuffer empty, loads the main window and runs
// the loop. Returns 0 when the loop has ended.
int ProgramStart(Application& application);

// The fatal-error box's text for `message` (GBK): "运行时出错!", two line breaks, and the
// message after "错误信息：" when there is one.
std::string FatalBoxText(std::string_view message);

}  // namespace strcrypt::app
