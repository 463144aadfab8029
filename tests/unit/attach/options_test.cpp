// Options strings, defaults and scratch names.

#include <gtest/gtest.h>

#include <string>

#include "attach/attachRoutines.h"
#include "attach/attachRun.h"
#include "streamFiles.h"

namespace tolvane {
namespace {

/// Parses options; returns them with the messages written.
ATTACH_OPTIONS parse(std::string_view options, std::string& messages) {
  OutputFile out;
  ATTACH_OPTIONS parsed;
  parsed.statusLetter = '?';  // every call starts from the defaults
  ATTOPT(options, parsed, &out.stream());
  messages = out.contents();
  return parsed;
}

TEST(Options, DefaultsForAnEmptyOrBlankText) {
  std::string messages;
  for (std::string_view text : {"", "    "}) {
    ATTACH_OPTIONS o = parse(text, messages);
    EXPECT_EQ(o.statusLetter, 'U');
    EXPECT_EQ(o.accessLetter, 'S');
    EXPECT_EQ(o.recordLength, 512);
    EXPECT_EQ(o.formLetter, 'F');
    EXPECT_EQ(o.promptLetter, 'N');
    EXPECT_FALSE(o.noOpen);
  }
  EXPECT_EQ(messages, "");
}

TEST(Options, NopAloneMeansNoOpen) {
  std::string messages;
  EXPECT_TRUE(parse("NOP", messages).noOpen);
  EXPECT_TRUE(parse("  NOP   ", messages).noOpen);
  EXPECT_FALSE(parse("nop", messages).noOpen);
  EXPECT_FALSE(parse("NOP S=O", messages).noOpen);
  EXPECT_EQ(messages, "");
}

TEST(Options, BlanksAroundSeparatorsAreCompressed) {
  std::string messages;
  ATTACH_OPTIONS o = parse("S = O , A = D / 256", messages);
  EXPECT_EQ(o.statusLetter, 'O');
  EXPECT_EQ(o.accessLetter, 'D');
  EXPECT_EQ(o.recordLength, 256);
  EXPECT_EQ(messages, "");
  o = parse("P=Y   F=U,,S=N", messages);
  EXPECT_EQ(o.promptLetter, 'Y');
  EXPECT_EQ(o.formLetter, 'U');
  EXPECT_EQ(o.statusLetter, 'N');
}

TEST(Options, WholeWordsCountByTheirFirstLetter) {
  std::string messages;
  ATTACH_OPTIONS o = parse("S=OLD,A=DIRECT/128/9,F=UNFORMATTED,P=YES", messages);
  EXPECT_EQ(o.statusLetter, 'O');
  EXPECT_EQ(o.accessLetter, 'D');
  EXPECT_EQ(o.recordLength, 128);
  EXPECT_EQ(o.formLetter, 'U');
  EXPECT_EQ(o.promptLetter, 'Y');
  EXPECT_EQ(messages, "");
}

TEST(Options, BadLettersAreReportedAndKeepTheirDefault) {
  std::string messages;
  ATTACH_OPTIONS o = parse("A=X", messages);
  EXPECT_NE(o.accessLetter, 'D');
  EXPECT_EQ(messages, " UNRECOGNIZED ARGUMENT: [A=X] IN CALL TO ATTACH.DEFAULT USED.)\n");
  o = parse("F=X P=q", messages);
  EXPECT_EQ(o.formLetter, 'F');
  EXPECT_EQ(o.promptLetter, 'N');
  EXPECT_EQ(messages,
            " UNRECOGNIZED ARGUMENT: [F=X] IN CALL TO ATTACH.DEFAULT USED.)\n"
            " UNRECOGNIZED ARGUMENT: [P=q] IN CALL TO ATTACH.DEFAULT USED.)\n");
  // A later bad access letter undoes an earlier direct access.
  o = parse("A=D A=Q", messages);
  EXPECT_NE(o.accessLetter, 'D');
}

TEST(Options, ABadRecordLengthIsReportedAndTheDefaultKept) {
  std::string messages;
  ATTACH_OPTIONS o = parse("A=D/abc", messages);
  EXPECT_EQ(o.accessLetter, 'D');
  EXPECT_EQ(o.recordLength, 512);
  EXPECT_EQ(messages, " UNRECOGNIZED ARGUMENT: [A=D] IN CALL TO ATTACH.DEFAULT USED.)\n");
  o = parse("A=D/0", messages);
  EXPECT_EQ(o.recordLength, 512);
  o = parse("A=D/1234567890", messages);
  EXPECT_EQ(o.recordLength, 512);
  o = parse("A=D", messages);
  EXPECT_EQ(o.recordLength, 512);
  EXPECT_EQ(messages, "");
}

TEST(Options, UnknownItemsAreIgnoredSilently) {
  std::string messages;
  ATTACH_OPTIONS o = parse("Q=Z s=o X", messages);
  EXPECT_EQ(o.statusLetter, 'U');
  EXPECT_EQ(messages, "");
}

TEST(Options, OnlyTheFirstTenItemsCount) {
  std::string messages;
  ATTACH_OPTIONS o = parse("Q=1 Q=2 Q=3 Q=4 Q=5 Q=6 Q=7 Q=8 Q=9 F=U P=Y", messages);
  EXPECT_EQ(o.formLetter, 'U');
  EXPECT_EQ(o.promptLetter, 'N');
}

NORMALISED_DEFAULT normalise(std::string_view text) {
  NORMALISED_DEFAULT normalised;
  ATTDEF(text, normalised);
  return normalised;
}

TEST(Defaults, ConsoleNames) {
  EXPECT_EQ(normalise("STDOUT").view(), "CON");
  EXPECT_EQ(normalise("STDIN   ").view(), "CON");
  EXPECT_EQ(normalise("stdout").view(), "stdout");
}

TEST(Defaults, NumberedScratchFiles) {
  EXPECT_EQ(normalise("SCRATCH12").view(), "SCRATCH.012");
  EXPECT_EQ(normalise("SCRATCH5").view(), "SCRATCH.005");
  EXPECT_EQ(normalise("SCRATCH1234").view(), "SCRATCH.1234");
  EXPECT_EQ(normalise("SCRATCH7  ").view(), "SCRATCH.007");
  EXPECT_EQ(normalise("SCRATCH.7").view(), "SCRATCH.7");
  EXPECT_EQ(normalise("SCRATCH").view(), "SCRATCH");
  EXPECT_EQ(normalise("SCRATCHPAD").view(), "SCRATCHPAD");
}

TEST(Defaults, OthersAreKeptOverTheirDeclaredLength) {
  EXPECT_EQ(normalise(" ").view(), " ");
  EXPECT_EQ(normalise("MAVO.CS  ").view(), "MAVO.CS  ");
  EXPECT_EQ(normalise(std::string(90, 'd')).view(), std::string(80, 'd'));
}

TEST(Defaults, ReachTheNameWithNop) {
  AttachRun run;
  EXPECT_EQ(run.attach(0, "A", "STDOUT", "NOP").name, padded("CON"));
  EXPECT_EQ(run.attach(0, "B", "SCRATCH12", "NOP").name, padded("SCRATCH.012"));
  EXPECT_EQ(run.attach(0, "C", "SCRATCH.7", "NOP").name, padded("SCRATCH.7"));
  // A default longer than the name is cut to it.
  EXPECT_EQ(run.attach(0, "D", "LONGDEFAULT", "NOP", 4).name, "LONG");
}

TEST(ScratchNames, AreNamedAfterTheUnit) {
  std::string name(12, '#');
  EXPECT_TRUE(ATTSCR(name, 7));
  EXPECT_EQ(name, padded("SCRATCH.7", 12));
  EXPECT_TRUE(ATTSCR(name, 12));
  EXPECT_EQ(name, padded("SCRATCH.12", 12));
  std::string small(9, '#');
  EXPECT_FALSE(ATTSCR(small, 12));
  EXPECT_EQ(small, "#########");
}

}  // namespace
}  // namespace tolvane
