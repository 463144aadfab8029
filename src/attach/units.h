#pragma once
// Units: the library's handles for open files. One table maps unit numbers
// onto open file descriptors; units 5 and 6 start on the console.

#include <cstdint>
#include <span>

namespace tolvane {

/// How a unit is to be opened.
struct UNIT_OPEN_MODE {
  bool direct = false;       ///< direct access (fixed-length records) instead of sequential
  bool formatted = true;     ///< formatted (text) or unformatted records
  bool append = false;       ///< sequential only: every write goes to the end of the file
  bool truncate = false;     ///< empty an existing file (a new file that may be overwritten)
  int32_t recordLength = 0;  ///< direct access: bytes per record
};

/// One open unit.
struct UNIT_FILE {
  int32_t unit = 0;
  int fd = -1;               ///< the open file; -1 for the console
  bool console = false;      ///< reads the answer stream, writes the message stream
  UNIT_OPEN_MODE mode;
};

/// Number of units that can be open at once, the console units included.
inline constexpr int MAX_UNITS = 16;

/// The units open in one run; closes them all when it goes.
class UnitTable {
 public:
  /// A table with units 5 (input) and 6 (output) on the console.
  UnitTable();
  ~UnitTable();
  UnitTable(const UnitTable&) = delete;
  UnitTable& operator=(const UnitTable&) = delete;

  /// The unit's entry, nullptr when the unit is not open.
  const UNIT_FILE* find(int32_t unit) const;
  /// Opens the file `path` on the unit (closing what the unit held), creating
  /// a missing file; returns 0 or the error number.
  int open(int32_t unit, const char* path, const UNIT_OPEN_MODE& mode);
  /// Puts the unit on the console (closing what it held); returns 0 or the error number.
  int openConsole(int32_t unit);
  /// Closes the unit; returns 0 or the error number.
  int close(int32_t unit);

 private:
  UNIT_FILE* slotFor(int32_t unit);

  UNIT_FILE units_[MAX_UNITS];
  bool used_[MAX_UNITS] = {};
};

/// Reads record `record` (1-based) of a direct-access unit into data (at most
/// one record); returns 0 or the error number (INPUT_OUTPUT for a record that is not there).
int readRecord(const UNIT_FILE& file, int32_t record, std::span<char> data);
/// Writes data as record `record` (1-based) of a direct-access unit, padding
/// it to the record length with blanks (formatted) or zero bytes; returns 0 or
/// the error number (INVALID_ARGUMENT when data is longer than a record).
int writeRecord(const UNIT_FILE& file, int32_t record, std::span<const char> data);

}  // namespace tolvane
