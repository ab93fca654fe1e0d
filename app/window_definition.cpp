#include "app/window_definition.hpp"

#include <array>
#include <set>

namespace strcrypt::app {
namespace {

using enum ControlKind;

// "DES算法", "RC4算法"
constexpr std::array<std::string_view, 2> kAlgorithmItems = {"DES\xCB\xE3\xB7\xA8",
                                                             "RC4\xCB\xE3\xB7\xA8"};

constexpr std::array<ControlDefinition, 14> kMainWindowControls = {{
    {"编辑框1", kMultiLineEdit, 0x16010002, 8, 32, 200, 144, "", {}, false, 1},
    {"编辑框2", kMultiLineEdit, 0x16010006, 8, 208, 200, 144, "", {}, true, 2},
    {"编辑框3", kMultiLineEdit, 0x16010007, 224, 32, 200, 144, "", {}, true, 3},
    {"编辑框4", kMultiLineEdit, 0x16010008, 224, 208, 200, 144, "", {}, true, 4},
    // "加  密", "解  密"
    {"按钮1", kPushButton, 0x16010009, 440, 16, 80, 32, "\xBC\xD3  \xC3\xDC", {}, false, 5},
    {"按钮2", kPushButton, 0x1601000a, 440, 56, 80, 32, "\xBD\xE2  \xC3\xDC", {}, false, 6},
    // "输入密码："
    {"标签1",
     kLabel,
     0x1601000b,
     448,
     136,
     80,
     24,
     "\xCA\xE4\xC8\xEB\xC3\xDC\xC2\xEB\xA3\xBA",
     {},
     false,
     0},
    {"编辑框5", kSingleLineEdit, 0x1601000c, 440, 160, 96, 20, "", {}, false, 7},
    {"组合框1", kDropDownList, 0x1601000d, 440, 104, 100, 20, "", kAlgorithmItems, false, 8},
    // "待加密/解密文本"
    {"标签2",
     kLabel,
     0x1601000e,
     16,
     8,
     80,
     24,
     "\xB4\xFD\xBC\xD3\xC3\xDC/\xBD\xE2\xC3\xDC\xCE\xC4\xB1\xBE",
     {},
     false,
     0},
    // "加密/解密 后文本"
    {"标签3",
     kLabel,
     0x1601000f,
     224,
     8,
     144,
     24,
     "\xBC\xD3\xC3\xDC/\xBD\xE2\xC3\xDC \xBA\xF3\xCE\xC4\xB1\xBE",
     {},
     false,
     0},
    // "加密/解密后带命令型"
    {"标签4",
     kLabel,
     0x16010010,
     16,
     184,
     192,
     24,
     "\xBC\xD3\xC3\xDC/\xBD\xE2\xC3\xDC\xBA\xF3\xB4\xF8\xC3\xFC\xC1\xEE\xD0\xCD",
     {},
     false,
     0},
    // "加密/解密后不带命令型"
    {"标签5",
     kLabel,
     0x16010011,
     224,
     184,
     200,
     24,
     "\xBC\xD3\xC3\xDC/\xBD\xE2\xC3\xDC\xBA\xF3\xB2\xBB\xB4\xF8\xC3\xFC\xC1\xEE\xD0\xCD",
     {},
     false,
     0},
    {"超级链接框1", kHyperlink, 0x1601002c, 440, 208, 96, 16, "Lumaren", {}, false, 0},
}};

// "Lumaren字符串加密工具 v1.0"
constexpr std::array<WindowDefinition, 1> kWindows = {{
    {kMainWindowNumber, "Lumaren\xD7\xD6\xB7\xFB\xB4\xAE\xBC\xD3\xC3\xDC\xB9\xA4\xBE\xDF v1.0", 555,
     392, kMainWindowControls},
}};

bool Overlap(const ControlDefinition& a, const ControlDefinition& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

}  // namespace

const ControlDefinition* WindowDefinition::Find(std::string_view name) const {
  for (const ControlDefinition& control : controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

std::span<const WindowDefinition> WindowDefinitions() { return kWindows; }

std::optional<std::string> FindDefinitionFault(const WindowDefinition& window) {
  std::set<std::string_view> names;
  std::set<int> tab_places;
  std::uint32_t previous_number = 0;
  for (const ControlDefinition& control : window.controls) {
    const std::string name(control.name);
    if (!names.insert(control.name).second) return "two controls named " + name;
    if (control.number <= previous_number) return "control numbers out of order at " + name;
    previous_number = control.number;
    if (control.width <= 0 || control.height <= 0) return "empty control " + name;
    if (control.tab_place != 0 && !tab_places.insert(control.tab_place).second) {
      return "two controls at Tab place " + std::to_string(control.tab_place);
    }
    if ((control.kind == ControlKind::kDropDownList) != !control.items.empty()) {
      return "items on a control that is not a list, or a list without items: " + name;
    }
    for (const ControlDefinition& other : window.controls) {
      if (&other != &control && Overlap(control, other)) return name + " overlaps another control";
    }
  }
  if (!tab_places.empty() && *tab_places.rbegin() != static_cast<int>(tab_places.size())) {
    return "gaps in the Tab order";
  }
  return std::nullopt;
}

}  // namespace strcrypt::app
