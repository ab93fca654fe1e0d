#include "app/qt/qt_toolkit.hpp"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "app/qt/gbk_text.hpp"

namespace strcrypt::app::qt {

bool QtToolkit::CreateWindow(const WindowDefinition& definition) {
  const std::uint32_t number = definition.number;
  MainWindow::Events events;
  events.control = [this, number](std::uint32_t control, std::int32_t event) {
    application_->RaiseEvent(number, control, event);
  };
  events.window = [this, number](std::int32_t event) {
    application_->RaiseEvent(number, 0, event);
  };
  events.destroyed = [this, number] { application_->WindowDestroyed(number); };
  window_ = new MainWindow(definition, link_target_, std::move(events));
  last_dispatch_ = {};  // what the creation raised is dispatched by the very next pass
  return !window_.isNull();
}

void QtToolkit::ShowWindow() { window_->ShowCentred(); }

void QtToolkit::RunLoop() {
  QEventLoop loop;
  loop_ = &loop;
  loop.exec();
  loop_ = nullptr;
}

void QtToolkit::EndLoop() {
  if (loop_ != nullptr) loop_->exit(0);
}

void QtToolkit::DispatchPending() {
  // Called once per byte of a result. Qt cannot say cheaply whether anything is pending (a
  // full pass costs about 2 us), so a pass runs when a millisecond has gone by since the
  // last one: whatever arrives is dispatched within about a millisecond, a click still runs
  // nested inside the running action, and the calls in between cost one clock reading.
  constexpr std::chrono::milliseconds kDispatchInterval(1);
  const auto now = std::chrono::steady_clock::now();
  if (now - last_dispatch_ < kDispatchInterval) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  last_dispatch_ = std::chrono::steady_clock::now();
}

void QtToolkit::ShowFatalBox(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Critical, FromGbk(caption), FromGbk(text), QMessageBox::Ok);
  box.setObjectName(QStringLiteral("fatalErrorBox"));
  box.exec();
}

void QtToolkit::EndProcess(int status) {
  std::fflush(nullptr);
  // No destructors and no exit hooks: the process ends here, as after a fatal error.
  std::_Exit(status);
}

Text QtToolkit::ReadText(std::string_view control) { return window_->ReadText(control); }

std::int32_t QtToolkit::ReadSelection(std::string_view control) {
  return window_->ReadSelection(control);
}

void QtToolkit::WriteText(std::string_view control, const Text& text) {
  window_->WriteText(control, text);
}

}  // namespace strcrypt::app::qt
