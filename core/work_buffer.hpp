#pragma once

#include "core/values.hpp"

namespace strcrypt {

// The program's one byte buffer: the result of the last cipher call, kept between button
// presses. Actions replace it whole and look it up afresh after every ProcessEvents, since a
// nested action may have replaced it meanwhile.
ByteString& WorkBuffer();

// The exit hook: gives the buffer's memory back; does nothing when it is already empty.
void ReleaseWorkBuffer();

}  // namespace strcrypt
