#include "core/work_buffer.hpp"

namespace strcrypt {

namespace {
ByteString g_buffer;
}  // namespace

ByteString& WorkBuffer() { return g_buffer; }

void ReleaseWorkBuffer() { WorkBuffer() = ByteString(); }

}  // namespace strcrypt
