#pragma once
// One run of the attachment library with its own command line, answer stream
// and message stream, so that every dialogue can be driven from a test.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "attach/attach.h"
#include "streamFiles.h"
#include "testSystem.h"

namespace tolvane {

/// What one ATTACH call gave back.
struct AttachResult {
  bool ok = false;
  std::string name;
  int32_t status = 0;
};

class AttachRun {
 public:
  explicit AttachRun(std::vector<std::string> arguments = {}, const std::string& answers = "")
      : arguments_(std::move(arguments)), answers_(answers) {
    for (const std::string& argument : arguments_) argv_.push_back(argument.c_str());
    lib.arguments = argv_;
    lib.messages = &messages_.stream();
    lib.answers = &answers_.stream();
  }

  /// Declares a keyword with a name of `length` characters and the given status.
  AttachResult attach(int32_t unit, std::string_view keyword, std::string_view defaultValue,
                      std::string_view options, size_t length = 32, int32_t status = 0) {
    AttachResult result;
    result.name.assign(length, '#');
    result.status = status;
    result.ok = ATTACH(lib, unit, keyword, defaultValue, options, result.name, result.status, stop);
    return result;
  }

  /// The program's own declarations: INPUT, OUTPUT and SORTREACHES, then ATTCHK.
  bool declareProgramKeywords(AttachResult& input, AttachResult& output, AttachResult& sort) {
    input = attach(0, "INPUT", " ", "NOP");
    if (!input.ok) return false;
    output = attach(0, "OUTPUT", "MAVO.CS", "NOP");
    if (!output.ok) return false;
    sort = attach(0, "SORTREACHES", "NO", "NOP");
    if (!sort.ok) return false;
    return ATTCHK(lib, stop);
  }

  /// Everything written to the message stream so far.
  std::string messages() { return messages_.contents(); }

  ATTACH_LIBRARY lib;
  RunStop stop;

 private:
  std::vector<std::string> arguments_;
  std::vector<const char*> argv_;
  OutputFile messages_;
  InputFile answers_;
};

/// A value blank-padded to a name of `length` characters.
inline std::string padded(std::string_view text, size_t length = 32) {
  std::string name(text);
  name.resize(length, ' ');
  return name;
}

/// A temporary directory, removed with its files when the object goes.
class TempDirectory {
 public:
  TempDirectory() {
    path_ = makeTestFolder("tolvane-attach-");
  }
  ~TempDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  /// Path of a file in the directory.
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

/// Works in another directory for the lifetime of the object.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& path) {
    if (getcwd(previous_, sizeof previous_) && chdir(path.c_str()) != 0) previous_[0] = '\0';
  }
  ~WorkingDirectory() {
    if (previous_[0] && chdir(previous_) != 0) std::abort();
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  char previous_[4096] = {};
};

}  // namespace tolvane
