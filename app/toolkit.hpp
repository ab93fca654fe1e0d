#pragma once

#include <cstdint>
#include <string_view>

#include "app/window_definition.hpp"
#include "core/values.hpp"

namespace strcrypt::app {

// What the shell needs of a desktop toolkit. The Qt realisation lives in app/qt; a native
// one can sit beside it without touching the shell's rules.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Creates the window and its controls, not yet shown; false when any cannot be created.
  virtual bool CreateWindow(const WindowDefinition& definition) = 0;
  virtual void ShowWindow() = 0;

  // Waits for events and dispatches them until EndLoop is called.
  virtual void RunLoop() = 0;
  // Makes RunLoop return once control gets back to it.
  virtual void EndLoop() = 0;
  // Dispatches what is pending, without waiting and without idle work.
  virtual void DispatchPending() = 0;

  // The modal fatal-error box without an owner window; returns when the user dismisses it.
  virtual void ShowFatalBox(std::string_view caption, std::string_view text) = 0;
  [[noreturn]] virtual void EndProcess(int status) = 0;

  // Control access on the created window; the shell calls these only while it exists.
  virtual Text ReadText(std::string_view control) = 0;
  virtual std::int32_t ReadSelection(std::string_view control) = 0;
  virtual void WriteText(std::string_view control, const Text& text) = 0;

 protected:
  Toolkit() = default;
  Toolkit(const Toolkit&) = default;
  Toolkit& operator=(const Toolkit&) = default;
};

}  // namespace strcrypt::app
