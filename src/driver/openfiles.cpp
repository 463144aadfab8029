#include "driver/openfiles.h"

#include <array>
#include <cstring>

#include "deck/cards.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// Length of the names and values the program takes from the command line.
constexpr int NAME_LENGTH = 32;
using NameText = std::array<char, NAME_LENGTH>;

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

bool inputFailure(OutputStream& console, int32_t status, const NameText& name, RunStop& stop) {
  return reportOpenFailure(console, "ERROR OPENING INPUT FILE, IOSTAT=", status, name,
                           "PROGRAM ABORTED", stop);
}

bool outputFailure(OutputStream& console, int32_t status, const NameText& name, RunStop& stop) {
  return reportOpenFailure(console, "ERROR OPENING OUTPUT FILE, IOSTAT=", status, name,
                           "PROGRAM ABORTED ", stop);
}

/// Sorting is off when the value holds "NO" or "no" anywhere.
bool sortRequested(int32_t status, const NameText& value) {
  if (!usable(status)) return false;
  std::string_view v = view(value);
  return v.find("NO") == std::string_view::npos && v.find("no") == std::string_view::npos;
}

}  // namespace

bool OPENFILES(ATTACH_LIBRARY& attach, InputStream& input, OutputStream& output,
               OutputStream& console, bool& sorted, RunStop& stop) {
  NameText inputName, outputName, sortValue;
  int32_t inputStatus = 0, outputStatus = 0, sortStatus = 0;
  if (!ATTACH(attach, 0, "INPUT", " ", "NOP", inputName, inputStatus, stop)) return false;
  if (!ATTACH(attach, 0, "OUTPUT", "MAVO.CS", "NOP", outputName, outputStatus, stop)) return false;
  if (!ATTACH(attach, 0, "SORTREACHES", "NO", "NOP", sortValue, sortStatus, stop)) return false;
  if (!ATTCHK(attach, stop)) return false;

  if (isBlank(view(inputName)) || !usable(inputStatus))
    return inputFailure(console, inputStatus, inputName, stop);
  char inputPath[NAME_LENGTH + 1];
  pathOf(inputName, inputPath);
  if (int rc = input.open(inputPath); rc != 0) return inputFailure(console, rc, inputName, stop);

  if (!usable(outputStatus)) return outputFailure(console, outputStatus, outputName, stop);
  char outputPath[NAME_LENGTH + 1];
  pathOf(outputName, outputPath);
  // Creating the deck over the geometry file would empty it before it is read.
  if (platform::sameFile(inputPath, outputPath))
    return outputFailure(console, platform::INVALID_ARGUMENT, outputName, stop);
  if (int rc = output.create(outputPath); rc != 0)
    return outputFailure(console, rc, outputName, stop);

  sorted = sortRequested(sortStatus, sortValue);
  return true;
}

}  // namespace tolvane
