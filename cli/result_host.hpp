#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/action_host.hpp"

namespace strcrypt::cli {

// The boxes of the window without a window: the command line runs the window's own
// publishing code against this host, so both print the same bytes.
class ResultHost final : public ActionHost {
 public:
  explicit ResultHost(Text password) {
    boxes_[std::string(control::kPassword)] = std::move(password);
  }

  Text ReadText(std::string_view box) override { return boxes_[std::string(box)]; }
  std::int32_t ReadSelection(std::string_view /*list*/) override { return 0; }
  void WriteText(std::string_view box, const Text& text) override {
    boxes_[std::string(box)] = text;
  }
  void ProcessEvents() override {}

 private:
  std::map<std::string, Text, std::less<>> boxes_;
};

}  // namespace strcrypt::cli
