#include "driver/openfiles.h"

#include <array>
#include <cstring>

#include "deck/cards.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// Status codes from -9 to 0 mean the keyword's value can be used.
bool usable(int32_t status) { return status >= -9 && status <= 0; }

std::string_view view(const NameText& name) { return {name.data(), name.size()}; }

/// The name without its trailing blanks, as a C string.
void pathOf(const NameText& name, char (&path)[NAME_LENGTH + 1]) {
  int n = 0;
  LAST_NONBLANK(view(name), n);
  std::memcpy(path, name.data(), static_cast<size_t>(n));
  path[n] = '\0';
}

bool reportOpenFailure(OutputStream& console, std::string_view what, int32_t status,
                       const NameText& name, std::string_view aborted, RunStop& stop) {
  FreeLine().text(what).integer(status).writeTo(console);
  FreeLine().text("TRIED TO OPEN FILE NAMED:").text(view(name)).writeTo(console);
  FreeLine().text(aborted).writeTo(console);
  return stopRun(stop, 1);
}

/// A name as the user gave it, in quotes; a name cut at its length ends in "...".
struct Quoted {
  char text[NAME_LENGTH + 6];
  size_t length = 0;
  Quoted(const NameText& name, bool cut) {
    int n = 0;
    LAST_NONBLANK(std::string_view(name.data(), name.size()), n);
    text[length++] = '\'';
    std::memcpy(text + length, name.data(), static_cast<size_t>(n));
    length += static_cast<size_t>(n);
    if (cut) {
      std::memcpy(text + length, "...", 3);
      length += 3;
    }
    text[length++] = '\'';
  }
  std::string_view view() const { return {text, length}; }
};

constexpr std::string_view USAGE =
    "usage: tolvane INPUT=geometry-file [OUTPUT=deck] [SORTREACHES=YES|NO] [REPORT=file] "
    "[FIT=CUT|ROUND]; see tolvane --help";
constexpr std::string_view NAME_LIMIT_HINT =
    " is longer than 32 characters; the limit counts the folders too: run in the file's folder";
constexpr std::string_view BARE_NAME_LIMIT_HINT =
    " is longer than 32 characters: shorten the file's name, or make a shorter symbolic link "
    "to it and give that";

/// True when the name (as far as it was kept) names no folder.
bool isBareName(const NameText& name) {
  std::string_view kept = view(name);
  return kept.find('/') == std::string_view::npos && kept.find('\\') == std::string_view::npos;
}

/// Explains a keyword whose value could not be used (too long for the name).
/// Running in the file's folder cannot help a name that has no folder.
void explainUnusableName(RunStop& stop, std::string_view what, int32_t status,
                         const NameText& name) {
  if (status == VALUE_TOO_LONG)
    explainStop(stop, {what, " name ", Quoted(name, true).view(),
                       isBareName(name) ? BARE_NAME_LIMIT_HINT : NAME_LIMIT_HINT});
  else
    explainStop(stop, {"cannot use the ", what, " name ", Quoted(name, false).view()});
}

/// Explains why ATTCHK stopped the run: arguments dropped for length, or
/// keywords the program does not know.
void explainCommandLine(const ATTACH_LIBRARY& attach, RunStop& stop) {
  if (attach.droppedArguments > 0) {
    explainStop(stop, {"the command line is longer than 130 characters and its last arguments "
                       "were ignored; shorten the names (run in the files' folder)"});
    return;
  }
  const SUBSTITUTION_TABLE& table = attach.substitutions;
  for (int k = 0; k < table.count; ++k) {
    std::string_view keyword(table.keyword[k], SUBSTITUTION_WIDTH);
    int n = 0;
    LAST_NONBLANK(keyword, n);
    if (n == 0) continue;
    explainStop(stop, {"unrecognised keyword '", keyword.substr(0, static_cast<size_t>(n)),
                       "'; the keywords are INPUT, OUTPUT, SORTREACHES, REPORT and FIT; see tolvane --help"});
    return;
  }
}

bool inputFailure(OutputStream& console, int32_t status, const NameText& name, RunStop& stop) {
  return reportOpenFailure(console, "ERROR OPENING INPUT FILE, IOSTAT=", status, name,
                           "PROGRAM ABORTED", stop);
}

bool outputFailure(OutputStream& console, int32_t status, const NameText& name, RunStop& stop) {
  return reportOpenFailure(console, "ERROR OPENING OUTPUT FILE, IOSTAT=", status, name,
                           "PROGRAM ABORTED ", stop);
}

bool reportFailure(OutputStream& console, int32_t status, const NameText& name, RunStop& stop) {
  return reportOpenFailure(console, "ERROR OPENING REPORT FILE, IOSTAT=", status, name,
                           "PROGRAM ABORTED", stop);
}

/// True when the report would overwrite the input or the deck.
bool reportClashes(const char* reportPath, const char* inputPath, const char* outputPath) {
  return std::strcmp(reportPath, inputPath) == 0 || std::strcmp(reportPath, outputPath) == 0 ||
         platform::sameFile(inputPath, reportPath) || platform::sameFile(outputPath, reportPath);
}

/// True when `value` is `word` in any case, trailing blanks aside.
bool sameWordInAnyCase(std::string_view value, std::string_view word) {
  value = value.substr(0, value.find_last_not_of(' ') + 1);
  if (value.size() != word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = value[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != word[i]) return false;
  }
  return true;
}

/// Reads the FIT value: CUT or ROUND, in any case. Any other value, or one
/// the command-line library refused, stops the run with its console line.
bool readFit(OutputStream& console, int32_t status, const NameText& value, Field1Fit& fit,
             RunStop& stop) {
  if (usable(status) && sameWordInAnyCase(view(value), "CUT")) {
    fit = Field1Fit::CUT;
    return true;
  }
  if (usable(status) && sameWordInAnyCase(view(value), "ROUND")) {
    fit = Field1Fit::ROUND;
    return true;
  }
  int n = 0;
  LAST_NONBLANK(view(value), n);
  std::string_view shown = view(value).substr(0, static_cast<size_t>(n));
  FreeLine().text("UNRECOGNIZED FIT VALUE - ").text(shown).writeTo(console);
  explainStop(stop, {"FIT value ", Quoted(value, status == VALUE_TOO_LONG).view(),
                     " is neither CUT nor ROUND; FIT=CUT (the default) cuts values to the 6 "
                     "columns of field 1, FIT=ROUND rounds them"});
  return stopRun(stop, 1);
}

/// Sorting is off when the value holds "NO" or "no" anywhere.
bool sortRequested(int32_t status, const NameText& value) {
  if (!usable(status)) return false;
  std::string_view v = view(value);
  return v.find("NO") == std::string_view::npos && v.find("no") == std::string_view::npos;
}

}  // namespace

bool OPENFILES(ATTACH_LIBRARY& attach, InputStream& input, OutputStream& output,
               OutputStream& console, bool& sorted, Field1Fit& fit, DECK_FILE& deck,
               RunStop& stop, RunFiles& files, ConversionReport& report) {
  NameText& inputName = files.input;
  NameText& outputName = files.output;
  NameText& reportName = files.report;
  NameText sortValue;
  NameText fitValue;
  int32_t inputStatus = 0, outputStatus = 0, sortStatus = 0, reportStatus = 0, fitStatus = 0;
  // With "NOP" declarations ATTACH stops the run only for a command line
  // with more "=" signs than the substitution table holds.
  if (!ATTACH(attach, 0, "INPUT", " ", "NOP", inputName, inputStatus, stop) ||
      !ATTACH(attach, 0, "OUTPUT", "MAVO.CS", "NOP", outputName, outputStatus, stop) ||
      !ATTACH(attach, 0, "SORTREACHES", "NO", "NOP", sortValue, sortStatus, stop) ||
      !ATTACH(attach, 0, "REPORT", " ", "NOP", reportName, reportStatus, stop) ||
      !ATTACH(attach, 0, "FIT", "CUT", "NOP", fitValue, fitStatus, stop)) {
    explainStop(stop, {"more than 40 keyword=value pairs on the command line; give each "
                       "keyword once"});
    return false;
  }
  if (!ATTCHK(attach, stop)) {
    if (stop.status != 0) explainCommandLine(attach, stop);
    return false;
  }
  if (!readFit(console, fitStatus, fitValue, fit, stop)) return false;

  if (usable(inputStatus) && isBlank(view(inputName))) {
    // "tolvane river.geo": the name came without "INPUT=" and was ignored.
    if (std::string_view word = ignoredWord(attach); !word.empty())
      explainStop(stop, {"'", word, "' was ignored: arguments are KEYWORD=value; did you mean INPUT=",
                         word, "?"});
    else
      explainStop(stop, {"no input file given; ", USAGE});
    return inputFailure(console, inputStatus, inputName, stop);
  }
  if (!usable(inputStatus)) {
    explainUnusableName(stop, "input file", inputStatus, inputName);
    return inputFailure(console, inputStatus, inputName, stop);
  }
  char inputPath[NAME_LENGTH + 1];
  pathOf(inputName, inputPath);
  if (int rc = input.open(inputPath); rc != 0) {
    explainStop(stop, {"cannot open input file ", Quoted(inputName, false).view(), ": ",
                       platform::errorText(rc)});
    return inputFailure(console, rc, inputName, stop);
  }

  char outputPath[NAME_LENGTH + 1];
  pathOf(outputName, outputPath);
  if (!isBlank(view(reportName))) {
    if (!usable(reportStatus)) {
      explainUnusableName(stop, "report file", reportStatus, reportName);
      return reportFailure(console, reportStatus, reportName, stop);
    }
    char reportPath[NAME_LENGTH + 1];
    pathOf(reportName, reportPath);
    if (reportClashes(reportPath, inputPath, outputPath)) {
      explainStop(stop, {"report file ", Quoted(reportName, false).view(),
                         " is the input file or the deck; give the report another name"});
      return reportFailure(console, platform::INVALID_ARGUMENT, reportName, stop);
    }
    if (int rc = report.open(reportPath); rc != 0) {
      explainStop(stop, {"cannot open report file ", Quoted(reportName, false).view(), ": ",
                         platform::errorText(rc)});
      return reportFailure(console, rc, reportName, stop);
    }
  }

  if (!usable(outputStatus)) {
    explainUnusableName(stop, "output file", outputStatus, outputName);
    return outputFailure(console, outputStatus, outputName, stop);
  }
  // Creating the deck over the geometry file would empty it before it is read.
  if (platform::sameFile(inputPath, outputPath)) {
    explainStop(stop, {"output file ", Quoted(outputName, false).view(),
                       " is the input file; give the deck another name"});
    return outputFailure(console, platform::INVALID_ARGUMENT, outputName, stop);
  }
  int fd = platform::NO_FILE;
  if (int rc = openDeckFile(outputPath, deck, fd); rc != 0) {
    if (deck.temporaryFailed)
      explainStop(stop, {"cannot replace output file ", Quoted(outputName, false).view(),
                         ": cannot create a temporary file in its folder: ",
                         platform::errorText(rc)});
    else
      explainStop(stop, {"cannot open output file ", Quoted(outputName, false).view(), ": ",
                         platform::errorText(rc)});
    return outputFailure(console, rc, outputName, stop);
  }
  output.adopt(fd, outputPath);

  sorted = sortRequested(sortStatus, sortValue);
  return true;
}

}  // namespace tolvane
