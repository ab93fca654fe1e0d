#include "app/executable_folder.hpp"

#include <system_error>

namespace strcrypt::app {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : executable.parent_path();
}

}  // namespace strcrypt::app
