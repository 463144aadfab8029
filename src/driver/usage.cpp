#include "driver/usage.h"

#include <string_view>

#include "attach/attach.h"

#ifndef TOLVANE_VERSION
#error "TOLVANE_VERSION is set by the build from the project version"
#endif

namespace tolvane {

namespace {

constexpr std::string_view kUsage =
    "Usage: tolvane INPUT=file [OUTPUT=file] [SORTREACHES=value] [REPORT=file]\n"
    "               [FIT=CUT|ROUND]\n"
    "  or:  tolvane ? | ?? | -h | --help | --version\n"
    "Convert a BEK river geometry file into a MAVO cross-section input deck.\n"
    "\n"
    "Keywords (shortest form, default):\n"
    "  INPUT=file         I  none     the geometry file to convert\n"
    "  OUTPUT=file        O  MAVO.CS  the deck to write; an existing deck is\n"
    "                                 replaced only when the run ends normally\n"
    "  SORTREACHES=value  S  NO       write the reaches in ascending order of the\n"
    "                                 number in their names, renumbered\n"
    "  REPORT=file        R  none     also write a conversion report: what the\n"
    "                                 deck carries, what it changed or left out,\n"
    "                                 what a reader will reject, a picture of\n"
    "                                 every bridge and reach (HTML); a name ending\n"
    "                                 in .csv or .json gets the findings as CSV\n"
    "                                 or as one JSON document\n"
    "  FIT=value          F  CUT      how a number longer than the 6 columns of\n"
    "                                 field 1 (the elevation opening each GR card,\n"
    "                                 the value opening each further NH card)\n"
    "                                 fits: CUT keeps its first 6 characters,\n"
    "                                 ROUND rounds it (5753.69 becomes 5753.7)\n"
    "\n"
    "  Keywords may be shortened down to the shortest form, in either case;\n"
    "  values keep their case.\n"
    "  Values are at most 32 characters, folders included: a longer one is\n"
    "  refused (IOSTAT= 36), so run tolvane in the folder of the files.\n"
    "  Commas and blanks separate arguments; quote a value with ' or \" to keep\n"
    "  blanks in it. A word without \"=\" is ignored; an unknown keyword, or a\n"
    "  FIT value other than CUT or ROUND (letters in any case) stops the run\n"
    "  before any file is opened.\n"
    "  The sort value switches sorting off only when it contains NO or no:\n"
    "  NO, NONE and no keep the input order; YES, Y, 1 and also No sort.\n"
    "  Without sorting the input is read twice and must be a file; a pipe\n"
    "  works only with sorting.\n"
    "\n"
    "  ?            list the keywords, their shortest forms, lengths and defaults\n"
    "  ??           the same, after the version line of the command-line library\n"
    "  -h, --help   show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Example:\n"
    "  tolvane INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES\n"
    "\n"
    "Messages go to standard output; every run ends with the line\n"
    "\"Stop - Program terminated.\". A run that fails then says in plain words\n"
    "on standard error what failed. An IOSTAT= number is the system's error\n"
    "number (2: no such file, 13: permission denied, 21: is a folder).\n"
    "\n"
    "Exit status:\n"
    "  0  the deck was written whole, or a listing, this help or the version\n"
    "     was shown\n"
    "  1  an error stopped the run; the lines before the stop line say which\n"
    "  A run stopped by SIGINT, SIGTERM or SIGHUP removes its temporary files\n"
    "  and ends by that signal (the shell shows 128 + its number: 130 for\n"
    "  Ctrl-C).\n"
    "\n"
    "Read more: man tolvane, and the README.\n";

constexpr std::string_view kVersion = TOLVANE_VERSION;

}  // namespace

ProgramRequest programRequest(std::span<const char* const> arguments) {
  if (arguments.empty() || arguments[0] == nullptr) return ProgramRequest::CONVERT;
  std::string_view first = arguments[0];
  if (first == "-h" || first == "--help") return ProgramRequest::HELP;
  if (first == "--version") return ProgramRequest::VERSION;
  return ProgramRequest::CONVERT;
}

void writeUsage(OutputStream& out) { out.write(kUsage); }

void writeVersion(OutputStream& out) {
  out.write("tolvane ");
  out.writeLine(kVersion);
  // The library's line as the listing writes it, without the padding blanks.
  std::string_view library = ATTACH_VERSION;
  out.write(" ");
  out.writeLine(library.substr(0, library.find_last_not_of(' ') + 1));
}

}  // namespace tolvane
