#pragma once

#include <cstdint>
#include <string_view>

#include "core/values.hpp"

namespace strcrypt {

// Control names of the main window, the keys an action uses with its host.
namespace control {
inline constexpr std::string_view kInput = "编辑框1";
inline constexpr std::string_view kCodeLine = "编辑框2";
inline constexpr std::string_view kResultText = "编辑框3";
inline constexpr std::string_view kByteList = "编辑框4";
inline constexpr std::string_view kPassword = "编辑框5";
inline constexpr std::string_view kAlgorithm = "组合框1";
}  // namespace control

// All an action sees of the window.
class ActionHost {
 public:
  virtual ~ActionHost() = default;

  // The box's whole content as GBK bytes, line breaks as CR LF.
  virtual Text ReadText(std::string_view box) = 0;
  // The 0-based index of the selected item, -1 when none is.
  virtual std::int32_t ReadSelection(std::string_view list) = 0;
  // Replaces the box's whole content.
  virtual void WriteText(std::string_view box, const Text& text) = 0;
  // Dispatches what is pending, nested actions included, without waiting; leaves a pending
  // request to end the program for the main loop.
  virtual void ProcessEvents() = 0;

 protected:
  ActionHost() = default;
  ActionHost(const ActionHost&) = default;
  ActionHost& operator=(const ActionHost&) = default;
};

}  // namespace strcrypt
