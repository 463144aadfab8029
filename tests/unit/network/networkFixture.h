#pragma once
// Runs the pre-pass on geometry text, with TMPDIR pointing at a private
// directory, and reads back what it left: tables, console text, reach files.

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "network/readjcts.h"
#include "streamFiles.h"
#include "testSystem.h"

namespace tolvane {

/// A river and reach name as the geometry file writes it: 16 characters, a
/// comma, 16 characters.
inline std::string riverReach(std::string river, std::string reach) {
  river.resize(16, ' ');
  reach.resize(16, ' ');
  return river + "," + reach;
}

/// A junction block with its upstream and downstream reach lines.
inline std::string junctionBlock(const std::string& name, const std::vector<std::string>& ups,
                                 const std::vector<std::string>& downs) {
  std::string text = "Junct Name=" + name + "\nJunct Desc=, 0 , 0 ,-1 ,0\n";
  for (const std::string& up : ups) text += "Up River,Reach=" + up + "\n";
  for (const std::string& down : downs) text += "Dn River,Reach=" + down + "\n";
  return text + "Junc L&A=50,\nJunc L&A=50,0\n\n";
}

/// A reach key line, its coordinate lines and "Reverse River Text", then `body`.
inline std::string reachBlock(const std::string& name, const std::string& body = "") {
  return "River Reach=" + name + "\nReach XY= 2 \n       0.4907893       0.9009692\n" +
         "Reverse River Text= 0 \n" + body;
}

/// A node line that stands for a reach's contents.
inline std::string nodeLine(const std::string& station) {
  return "Type RM Length L Ch R = 1 ," + station + ",100,100,100\n";
}

/// The console line written at the end of every pre-pass.
inline const std::string kProgressLine =
    " encountered end of file in first pass thru data, processing the junctions now...\n";

/// Names of the entries of a directory.
inline std::vector<std::string> entriesOf(const std::string& path) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(path.c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
  }
  return names;
}

class NetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp_ = makeTestFolder("tolvane-network-test-");
    ASSERT_FALSE(tmp_.empty());
  }

  void TearDown() override {
    removeReachDirectory(files_);
    EXPECT_TRUE(entriesOf(tmp_).empty()) << "reach files left behind";
    rmdir(tmp_.c_str());
  }

  /// Runs the pre-pass on `geometry` with the given TMPDIR (the private one by default).
  bool run(const std::string& geometry, bool sorted, const char* tmpdir = nullptr) {
    load(geometry);
    return runLoaded(sorted, tmpdir);
  }

  /// Prepares the input and console files for runLoaded().
  void load(const std::string& geometry) {
    input_ = std::make_unique<InputFile>(geometry);
    console_ = std::make_unique<OutputFile>();
  }

  /// Runs the pre-pass on the loaded input.
  bool runLoaded(bool sorted, const char* tmpdir = nullptr) {
    TemporaryFolderSetting setting(tmpdir ? tmpdir : tmp_);
    return PREPROCESS_JUNCTIONS_AND_REACHES(input_->stream(), scratch_, console_->stream(),
                                            reaches_, junctions_, sorted, files_, stop_,
                                            Findings());
  }

  std::string console() { return console_->contents(); }

  /// The lines of reach `number` (in input order) in the reach file.
  std::string reachFile(int32_t number) {
    char path[sizeof files_.directory + 16];
    reachFilePath(files_, REACH_FILE_NUMBER, path, sizeof path);
    TempFileReader reader(path);
    int64_t begin = files_.rangeBegin[number], end = files_.rangeEnd[number];
    if (begin < 0 || end < begin || end > static_cast<int64_t>(reader.contents.size())) return "?";
    return reader.contents.substr(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
  }

  /// The cleaned name of reach `r` without its trailing blanks.
  std::string name(int32_t r) {
    std::string text(reaches_.REACH_NAME[r - 1].data(), 33);
    return text.substr(0, text.find_last_not_of(' ') + 1);
  }

  struct TempFileReader {
    explicit TempFileReader(const char* path) {
      std::ifstream in(path, std::ios::binary);
      std::stringstream all;
      all << in.rdbuf();
      contents = all.str();
    }
    std::string contents;
  };

  std::string tmp_;
  std::unique_ptr<InputFile> input_;
  std::unique_ptr<OutputFile> console_;
  OutputStream scratch_;
  REACH_TABLE reaches_;
  JUNCTION_TABLE junctions_;
  REACH_FILES files_;
  RunStop stop_;
};

}  // namespace tolvane
