#include "deck/deckFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/temporaryDirectory.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

/// A fresh folder for one test, removed afterwards.
struct Folder {
  Folder() {
    char path[4096];
    EXPECT_EQ(platform::makePrivateDirectory("tolvane-deck-", path), 0);
    root = path;
  }
  ~Folder() { fs::remove_all(root); }
  std::string file(const std::string& name) const { return (root / name).string(); }
  /// Names in the folder, sorted, separated by blanks.
  std::string names() const {
    std::string all;
    for (const std::string& n : sorted()) all += (all.empty() ? "" : " ") + n;
    return all;
  }
  std::set<std::string> sorted() const {
    std::set<std::string> s;
    for (const auto& e : fs::directory_iterator(root)) s.insert(e.path().filename().string());
    return s;
  }
  fs::path root;
};

void writeText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
std::string readText(const std::string& path) {
  std::ostringstream s;
  s << std::ifstream(path).rdbuf();
  return s.str();
}

/// Opens the deck `name`, writes `text` into it and closes the descriptor.
int openAndWrite(const std::string& name, DECK_FILE& deck, const std::string& text) {
  int fd = platform::NO_FILE;
  int rc = openDeckFile(name.c_str(), deck, fd);
  if (rc != 0) return rc;
  EXPECT_EQ(platform::writeAll(fd, text.data(), text.size()), 0);
  return platform::closeFile(fd);
}

TEST(DeckFile, AnEarlierDeckIsReplacedOnlyByCommitAndKeepsItsPermissionBits) {
  Folder folder;
  std::string deckName = folder.file("river.cs");
  writeText(deckName, "earlier\n");
  const auto bits = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(deckName, bits);
  DECK_FILE deck;

  ASSERT_EQ(openAndWrite(deckName, deck, "new\n"), 0);
  EXPECT_EQ(readText(deckName), "earlier\n");  // written beside it, hidden
  EXPECT_EQ(folder.sorted().size(), 2u);
  EXPECT_EQ(folder.names().substr(0, 10), ".river.cs.");
  discardDeckFile(deck);
  EXPECT_EQ(folder.names(), "river.cs");
  EXPECT_EQ(readText(deckName), "earlier\n");

  ASSERT_EQ(openAndWrite(deckName, deck, "new\n"), 0);
  EXPECT_EQ(commitRun(deck, nullptr).failed, CommitFailure::NONE);
  EXPECT_EQ(folder.names(), "river.cs");
  EXPECT_EQ(readText(deckName), "new\n");
#ifndef _WIN32  // Windows keeps no permission bits but read-only
  EXPECT_EQ(fs::status(deckName).permissions(), bits);
#endif
  discardDeckFile(deck);  // after the commit: nothing to remove
  EXPECT_EQ(readText(deckName), "new\n");
}

#ifndef _WIN32
TEST(DeckFile, ALinkKeepsPointingAtTheDeckItReplaces) {
  Folder folder;
  fs::create_directory(folder.root / "decks");
  writeText(folder.file("decks/river.cs"), "earlier\n");
  fs::create_symlink("decks/river.cs", folder.root / "link.cs");
  fs::create_symlink("decks/new.cs", folder.root / "dangling.cs");
  DECK_FILE deck;
  ASSERT_EQ(openAndWrite(folder.file("link.cs"), deck, "new\n"), 0);
  ASSERT_EQ(commitRun(deck, nullptr).failed, CommitFailure::NONE);
  EXPECT_TRUE(fs::is_symlink(folder.root / "link.cs"));
  EXPECT_EQ(readText(folder.file("decks/river.cs")), "new\n");

  ASSERT_EQ(openAndWrite(folder.file("dangling.cs"), deck, "made\n"), 0);
  ASSERT_EQ(commitRun(deck, nullptr).failed, CommitFailure::NONE);
  EXPECT_TRUE(fs::is_symlink(folder.root / "dangling.cs"));
  EXPECT_EQ(readText(folder.file("decks/new.cs")), "made\n");
  EXPECT_EQ(folder.names(), "dangling.cs decks link.cs");
}
#endif

TEST(DeckFile, FoldersFailAndDevicesAreWrittenDirectly) {
  Folder folder;
  DECK_FILE deck;
  int fd = platform::NO_FILE;
  EXPECT_EQ(openDeckFile(folder.root.string().c_str(), deck, fd), platform::IS_DIRECTORY);
  EXPECT_NE(openDeckFile(folder.file("missing/river.cs").c_str(), deck, fd), 0);
  EXPECT_EQ(folder.names(), "");
#ifndef _WIN32
  ASSERT_EQ(openDeckFile("/dev/null", deck, fd), 0);
  EXPECT_STREQ(deck.temporary, "");
  platform::closeFile(fd);
  EXPECT_EQ(commitRun(deck, nullptr).failed, CommitFailure::NONE);
#endif
}

}  // namespace
}  // namespace tolvane
