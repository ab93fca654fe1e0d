#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/window_definition.hpp"
#include "core/values.hpp"

namespace strcrypt::app::qt {

// The main window built from its definition: controls where the table puts them, the Tab
// order, Esc as a close request, and the outer size kept at the defined one whatever frame
// the window manager adds.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  struct Events {
    std::function<void(std::uint32_t control, std::int32_t event)> control;
    std::function<void(std::int32_t event)> window;
    std::function<void()> destroyed;
  };

  MainWindow(const WindowDefinition& definition, const QString& link_target, Events events);

  QWidget* Control(std::string_view name) const;

  Text ReadText(std::string_view box) const;
  std::int32_t ReadSelection(std::string_view list) const;
  void WriteText(std::string_view box, const Text& text);

  // Shows the window centred on the primary screen; the first activation focuses the first
  // control of the Tab order.
  void ShowCentred();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QWidget* CreateControl(const ControlDefinition& control, const QString& link_target);
  void KeepOuterSize();
  void MoveToCentre();

  const WindowDefinition& definition_;
  Events events_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  bool placing_ = false;
};

}  // namespace strcrypt::app::qt
