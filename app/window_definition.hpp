#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace strcrypt::app {

enum class ControlKind {
  kMultiLineEdit,
  kSingleLineEdit,
  kPushButton,
  kLabel,
  kDropDownList,
  kHyperlink,
};

// One control of a window, as the window is built on any toolkit. Texts are GBK bytes; the
// name is the key the actions use.
struct ControlDefinition {
  std::string_view name;
  ControlKind kind;
  std::uint32_t number;
  int left;
  int top;
  int width;
  int height;
  std::string_view text;
  std::span<const std::string_view> items;  // drop-down lists only
  bool read_only;
  int tab_place;  // 1 for the first control of the Tab order; 0: never takes the focus
};

struct WindowDefinition {
  std::uint32_t number;
  std::string_view title;  // GBK
  int outer_width;         // title bar and frame included
  int outer_height;
  std::span<const ControlDefinition> controls;  // in creation order

  const ControlDefinition* Find(std::string_view name) const;
};

inline constexpr std::uint32_t kMainWindowNumber = 0x52010001;

// Every window of the program; here only the main window.
std::span<const WindowDefinition> WindowDefinitions();

// What is wrong with a definition, if anything: the built-in data is checked before use, so
// that a damaged table stops the program instead of building a broken window.
std::optional<std::string> FindDefinitionFault(const WindowDefinition& window);

}  // namespace strcrypt::app
