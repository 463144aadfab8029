#pragma once
// Test helpers for what differs between the systems the tests run on: the
// environment variable that names the temporary folder, and fresh folders.

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/errors.h"
#include "platform/temporaryDirectory.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolvane {

/// The variable that names the temporary folder.
#ifdef _WIN32
inline constexpr const char* TEMPORARY_FOLDER_VARIABLE = "TEMP";
#else
inline constexpr const char* TEMPORARY_FOLDER_VARIABLE = "TMPDIR";
#endif

/// The error number for a path through a folder that does not exist.
#ifdef _WIN32
inline constexpr int NO_SUCH_FOLDER = ERROR_PATH_NOT_FOUND;
#else
inline constexpr int NO_SUCH_FOLDER = ENOENT;
#endif

/// A free-format console line: the text, then the number right-justified in 12.
inline std::string numberedLine(const std::string& text, int number) {
  std::string digits = std::to_string(number);
  return " " + text + std::string(digits.size() < 12 ? 12 - digits.size() : 0, ' ') + digits + "\n";
}

/// Sets an environment variable; no value removes it.
inline void setEnvironment(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
  SetEnvironmentVariableA(name, value ? value->c_str() : nullptr);
  _putenv_s(name, value ? value->c_str() : "");
#else
  if (value) setenv(name, value->c_str(), 1);
  else unsetenv(name);
#endif
}

/// Points the temporary folder elsewhere for the life of the object.
class TemporaryFolderSetting {
 public:
  explicit TemporaryFolderSetting(const std::string& folder) {
    if (const char* old = std::getenv(TEMPORARY_FOLDER_VARIABLE)) saved_ = old;
    setEnvironment(TEMPORARY_FOLDER_VARIABLE, folder);
  }
  ~TemporaryFolderSetting() { setEnvironment(TEMPORARY_FOLDER_VARIABLE, saved_); }
  TemporaryFolderSetting(const TemporaryFolderSetting&) = delete;
  TemporaryFolderSetting& operator=(const TemporaryFolderSetting&) = delete;

 private:
  std::optional<std::string> saved_;
};

/// Creates a fresh private folder in the temporary folder; empty on failure.
inline std::string makeTestFolder(const char* prefix) {
  char path[4096];
  return platform::makePrivateDirectory(prefix, path) == 0 ? std::string(path) : std::string();
}

/// The path of `name` in `folder`.
inline std::string inFolder(const std::string& folder, const std::string& name) {
  return folder + platform::PATH_SEPARATOR + name;
}

}  // namespace tolvane
