#pragma once

#include "core/action_host.hpp"

namespace strcrypt::bench {

// A window that does nothing: empty boxes, writes dropped, no events to dispatch.
class IdleHost final : public ActionHost {
 public:
  Text ReadText(std::string_view /*box*/) override { return {}; }
  std::int32_t ReadSelection(std::string_view /*list*/) override { return 0; }
  void WriteText(std::string_view /*box*/, const Text& /*text*/) override {}
  void ProcessEvents() override {}
};

}  // namespace strcrypt::bench
