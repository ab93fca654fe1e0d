#pragma once

#include <filesystem>

namespace strcrypt::app {

// The folder that holds the running program's executable file.
std::filesystem::path ExecutableFolder();

}  // namespace strcrypt::app
