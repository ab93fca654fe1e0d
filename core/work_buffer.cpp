#include "core/work_buffer.hpp"

namespace strcrypt {

ByteString& WorkBuffer() {
  static ByteString buffer;
  return buffer;
}

void ReleaseWorkBuffer() { WorkBuffer() = ByteString(); }

}  // namespace strcrypt
