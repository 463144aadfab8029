// Asking the user for a value the command line did not give.

#include <gtest/gtest.h>

#include <string>

#include "attach/attachRun.h"

namespace tolvane {
namespace {

const std::string kStringQuestion = " ENTER THE CHARACTER STRING FOR TITLE [untitled] \n";

/// A forced prompt (status -3) for a NOP keyword, answered from `answers`.
AttachResult askTitle(const std::string& answers, std::string& messages, size_t length = 32) {
  AttachRun run({"OTHER=x"}, answers);
  run.attach(0, "OTHER", "", "NOP");
  AttachResult title = run.attach(0, "TITLE", "untitled", "NOP", length, -3);
  EXPECT_TRUE(title.ok);
  messages = run.messages();
  return title;
}

TEST(Prompt, ANewAnswerIsTheValue) {
  std::string messages;
  AttachResult title = askTitle("river study\n", messages);
  EXPECT_EQ(messages, kStringQuestion);
  EXPECT_EQ(title.name, padded("river study"));
  EXPECT_EQ(title.status, -1);
}

TEST(Prompt, AnEmptyLineOrTheDefaultTakesTheDefault) {
  std::string messages;
  for (std::string answers : {"\n", "   \n", "untitled\n", "  untitled  \n", "untitled more\n"}) {
    AttachResult title = askTitle(answers, messages);
    EXPECT_EQ(title.name, padded("untitled")) << answers;
    EXPECT_EQ(title.status, -3) << answers;
  }
}

TEST(Prompt, TheEndOfTheAnswersTakesTheDefault) {
  std::string messages;
  AttachResult title = askTitle("", messages);
  EXPECT_EQ(messages, kStringQuestion);
  EXPECT_EQ(title.name, padded("untitled"));
  EXPECT_EQ(title.status, -3);
}

TEST(Prompt, BlanksAroundTheAnswerAreDropped) {
  std::string messages;
  AttachResult title = askTitle("   main   \n", messages);
  EXPECT_EQ(title.name, padded("main"));
  EXPECT_EQ(title.status, -1);
}

TEST(Prompt, AnAnswerTooLongIsNotCutSilently) {
  std::string messages;
  // Answers hold 30 characters.
  AttachResult title = askTitle(std::string(31, 'a') + "\n", messages, 40);
  EXPECT_EQ(title.status, 36);
  EXPECT_EQ(title.name, padded(std::string(30, 'a'), 40));
  title = askTitle(std::string(30, 'a') + "\n", messages, 40);
  EXPECT_EQ(title.status, -1);
  // The caller's name holds 8.
  title = askTitle("ninechars\n", messages, 8);
  EXPECT_EQ(title.status, 36);
  EXPECT_EQ(title.name, "ninechar");
}

TEST(Prompt, NotAskedWithoutTheRequest) {
  AttachRun run({"OTHER=x"}, "answer\n");
  run.attach(0, "OTHER", "", "NOP");
  AttachResult title = run.attach(0, "TITLE", "untitled", "NOP");
  EXPECT_EQ(title.status, 0);
  EXPECT_EQ(title.name, padded("untitled"));
  EXPECT_EQ(run.messages(), "");
}

TEST(Prompt, NotAskedWhenPromptingIsDisabled) {
  AttachRun run({"OTHER=x"}, "answer\n");
  run.lib.prompting = false;
  run.attach(0, "OTHER", "", "NOP");
  AttachResult title = run.attach(0, "TITLE", "untitled", "NOP", 32, -3);
  EXPECT_EQ(title.status, -3);
  EXPECT_EQ(title.name, padded("untitled"));
  EXPECT_EQ(run.messages(), "");
}

TEST(Prompt, NotAskedWhenTheCommandLineGaveTheValue) {
  TempDirectory dir;
  std::string path = dir.file("given.txt");
  AttachRun run({"LOG=" + path}, "other\n");
  AttachResult log = run.attach(10, "LOG", path, "P=Y", 200);
  EXPECT_EQ(log.status, -1);
  EXPECT_EQ(run.messages().find("ENTER"), std::string::npos);
}

TEST(Prompt, FileQuestionWithPromptOption) {
  TempDirectory dir;
  WorkingDirectory inside(dir.path());
  std::string dflt = "default.log";
  std::string typed = "typed.log";
  {
    // First call, empty command line: an empty answer keeps status -2.
    AttachRun run({}, "\n");
    AttachResult log = run.attach(10, "LOG", dflt, "P=Y", 200);
    EXPECT_EQ(log.status, -2);
    EXPECT_EQ(log.name, padded(dflt, 200));
    EXPECT_EQ(run.messages(), " ENTER THE FILENAME FOR LOG [" + dflt + "] \n");
    EXPECT_NE(run.lib.unitFile(10), nullptr);
  }
  {
    // A later call: the keyword is missing, status 0; the answer "default" keeps it.
    AttachRun run({"X=1"}, dflt + "\n");
    run.attach(0, "X", "", "NOP");
    AttachResult log = run.attach(10, "LOG", dflt, "P=Y", 200);
    EXPECT_EQ(log.status, 0);
  }
  {
    // A typed name: status -1, and the created file is announced.
    AttachRun run({"X=1"}, typed + "\n");
    run.attach(0, "X", "", "NOP");
    AttachResult log = run.attach(10, "LOG", dflt, "P=Y", 200);
    EXPECT_EQ(log.status, -1);
    EXPECT_EQ(log.name, padded(typed, 200));
    EXPECT_EQ(run.messages(), " ENTER THE FILENAME FOR LOG [" + dflt + "] \n" +
                                  " : WARNING: FILE GENERATED -- " + padded(typed, 200) + "\n");
  }
}

}  // namespace
}  // namespace tolvane
