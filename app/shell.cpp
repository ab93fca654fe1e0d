#include "app/shell.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/executable_folder.hpp"
#include "core/actions.hpp"
#include "core/value_memory.hpp"
#include "core/work_buffer.hpp"

namespace strcrypt::app {
namespace {

struct BindingEntry {
  std::uint32_t window;
  std::string_view control;
  EventBinding binding;
};

// The program's only bindings: each button's click runs its action.
constexpr BindingEntry kBindings[] = {
    {kMainWindowNumber, "按钮1", {kClickedEvent, EncryptAction}},
    {kMainWindowNumber, "按钮2", {kClickedEvent, DecryptAction}},
};

// "错误"
constexpr std::string_view kFatalCaption = "\xB4\xED\xCE\xF3";
// "运行时出错!"
constexpr std::string_view kFatalHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";
// "错误信息："
constexpr std::string_view kFatalMessageLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";

Application* g_memory_reports_to = nullptr;

[[noreturn]] void ReportOutOfMemoryFatally(std::int64_t requested_bytes) {
  Application* application = std::exchange(g_memory_reports_to, nullptr);
  // A second failure while the first is being reported has nowhere left to go.
  if (application == nullptr) std::abort();
  application->ReportFatalError(OutOfMemoryMessage(requested_bytes));
}

}  // namespace

void Application::TakeOutOfMemoryReports() {
  g_memory_reports_to = this;
  SetOutOfMemoryHandler(ReportOutOfMemoryFatally);
}

std::string FatalBoxText(std::string_view message) {
  std::string text(kFatalHeading);
  text += "\r\n\r\n";
  if (!message.empty()) {
    text += kFatalMessageLabel;
    text += message;
    text += "\r\n";
  }
  return text;
}

void Application::InitialiseShell() {
  std::error_code ignored;
  std::filesystem::current_path(ExecutableFolder(), ignored);

  for (const WindowDefinition& definition : WindowDefinitions()) {
    if (FindDefinitionFault(definition)) ReportFatalError(kDefinitionsUnreadable);
    WindowEntry entry{&definition, {}, false};
    for (const BindingEntry& binding : kBindings) {
      if (binding.window != definition.number) continue;
      const ControlDefinition* control = definition.Find(binding.control);
      if (control == nullptr) ReportFatalError(kDefinitionsUnreadable);
      entry.bindings[control->number][binding.binding.event] = binding.binding.action;
    }
    window_registry_.emplace(definition.number, std::move(entry));
  }
}

void Application::LoadStartWindow(std::uint32_t window_number) {
  const auto found = window_registry_.find(window_number);
  if (found == window_registry_.end()) ReportFatalError(kStartWindowFailed);
  WindowEntry& entry = found->second;

  ProcessEvents();
  ++event_gate_;
  if (!toolkit_.CreateWindow(*entry.definition)) ReportFatalError(kStartWindowFailed);
  entry.loaded = true;
  ProcessEvents();  // whatever the creation raised reaches no action: the gate is up
  --event_gate_;

  for (const std::int32_t event : {kWindowCreated, kWindowMoved, kWindowResized}) {
    RaiseEvent(window_number, 0, event);
  }
  toolkit_.ShowWindow();
}

void Application::RunEventLoop() {
  loop_started_ = true;
  bool any_loaded = false;
  for (const auto& [number, entry] : window_registry_) any_loaded = any_loaded || entry.loaded;
  if (!any_loaded) return;
  toolkit_.RunLoop();
}

void Application::ProcessEvents() {
  // The end request stays pending for RunEventLoop: nothing more is dispatched here.
  if (end_requested_) return;
  toolkit_.DispatchPending();
}

void Application::RaiseEvent(std::uint32_t window, std::uint32_t control, std::int32_t event) {
  if (event_gate_ > 0) return;
  const auto found = window_registry_.find(window);
  if (found == window_registry_.end()) return;
  const auto& bindings = found->second.bindings;
  const auto control_bindings = bindings.find(control);
  if (control_bindings == bindings.end()) return;
  const auto binding = control_bindings->second.find(event);
  if (binding == control_bindings->second.end()) return;
  binding->second(Host());
}

void Application::WindowDestroyed(std::uint32_t window) {
  const auto found = window_registry_.find(window);
  if (found == window_registry_.end() || !found->second.loaded) return;
  RaiseEvent(window, 0, kWindowDestroying);
  found->second.loaded = false;
  for (const auto& [number, entry] : window_registry_) {
    if (entry.loaded) return;
  }
  if (loop_started_) {
    end_requested_ = true;
    toolkit_.EndLoop();
  }
}

void Application::ReportFatalError(std::string_view message) {
  ++event_gate_;  // never lowered again
  toolkit_.ShowFatalBox(kFatalCaption, FatalBoxText(message));
  exit_hook_ = nullptr;
  Shutdown(-1);
  toolkit_.EndProcess(-1);
  std::abort();  // a toolkit that failed to end the process leaves nothing sound to return to
}

int Application::Shutdown(int status) {
  ++event_gate_;
  if (g_memory_reports_to == this) {
    g_memory_reports_to = nullptr;
    SetOutOfMemoryHandler(nullptr);
  }
  window_registry_.clear();
  if (exit_hook_ != nullptr) {
    const ExitHook hook = exit_hook_;
    exit_hook_ = nullptr;
    hook();
  }
  return status;
}

void Application::RequireLoaded(std::uint32_t window) {
  const auto found = window_registry_.find(window);
  if (found == window_registry_.end() || !found->second.loaded) {
    ReportFatalError(kWindowNotLoaded);
  }
}

Text Application::ReadText(std::string_view box) {
  RequireLoaded(kMainWindowNumber);
  return toolkit_.ReadText(box);
}

std::int32_t Application::ReadSelection(std::string_view list) {
  RequireLoaded(kMainWindowNumber);
  return toolkit_.ReadSelection(list);
}

void Application::WriteText(std::string_view box, const Text& text) {
  RequireLoaded(kMainWindowNumber);
  toolkit_.WriteText(box, text);
}

int ProgramStart(Application& application) {
  application.InitialiseShell();
  ReleaseWorkBuffer();  // WorkBuffer starts empty
  application.SetExitHook(ReleaseWorkBuffer);
  application.LoadStartWindow(kMainWindowNumber);
  application.RunEventLoop();
  return 0;
}

}  // namespace strcrypt::app
