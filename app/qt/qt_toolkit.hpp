#pragma once

#include <QEventLoop>
#include <QPointer>
#include <chrono>

#include "app/qt/main_window.hpp"
#include "app/shell.hpp"
#include "app/toolkit.hpp"

namespace strcrypt::app::qt {

// The shell's toolkit on Qt 6 Widgets.
class QtToolkit final : public Toolkit {
 public:
  explicit QtToolkit(QString link_target) : link_target_(std::move(link_target)) {}

  // The shell that receives the window's events; set before CreateWindow.
  void SetApplication(Application& application) { application_ = &application; }
  MainWindow* Window() const { return window_; }

  bool CreateWindow(const WindowDefinition& definition) override;
  void ShowWindow() override;
  void RunLoop() override;
  void EndLoop() override;
  void DispatchPending() override;
  void ShowFatalBox(std::string_view caption, std::string_view text) override;
  [[noreturn]] void EndProcess(int status) override;
  Text ReadText(std::string_view control) override;
  std::int32_t ReadSelection(std::string_view control) override;
  void WriteText(std::string_view control, const Text& text) override;

 private:
  QString link_target_;
  Application* application_ = nullptr;
  QPointer<MainWindow> window_;
  QEventLoop* loop_ = nullptr;
  std::chrono::steady_clock::time_point last_dispatch_{};
};

}  // namespace strcrypt::app::qt
