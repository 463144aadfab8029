#pragma once
// The one cross section held in memory: CROSS_SECTION and its companions
// INEFFECTIVE and BLOCKED (AREA_PAIR), N_VALUE_SET and LID_TABLE.

#include <cstdint>

#include "text/field8.h"

namespace tolvane {

/// Capacity of a section's ground profile.
inline constexpr int GROUND_CAPACITY = 500;
/// Capacity of a section's n values.
inline constexpr int N_VALUE_CAPACITY = 20;
/// Capacity of a lid table (a section's lid or one side of a bridge deck).
inline constexpr int LID_CAPACITY = 500;

/// Station/elevation points of a section. Arrays are 0-based: point i is [i-1].
struct GROUND_PROFILE {
  int32_t NPTS = 0;
  FIELD8 NPTS_TEXT = BLANK_FIELD8;
  FIELD8 STA[GROUND_CAPACITY];
  FIELD8 ELEV[GROUND_CAPACITY];
};

/// The section itself: identifier, banks, reach lengths and ground points.
struct CROSS_SECTION {
  FIELD8 RM = BLANK_FIELD8;
  FIELD8 BANK_LEFT = BLANK_FIELD8;
  FIELD8 BANK_RIGHT = BLANK_FIELD8;
  FIELD8 LENGTH_LEFT = BLANK_FIELD8;
  FIELD8 LENGTH_CHANNEL = BLANK_FIELD8;
  FIELD8 LENGTH_RIGHT = BLANK_FIELD8;
  float LENGTH_CHANNEL_VALUE = 0;
  float LENGTH_LEFT_VALUE = 0;
  float LENGTH_RIGHT_VALUE = 0;
  GROUND_PROFILE GROUND;
};

/// Manning's n values: three-value form (MODE 0) or horizontally varying.
struct N_VALUE_SET {
  int32_t MODE = 0;
  int32_t KH_FLAG = 0;
  int32_t COUNT = 0;
  FIELD8 END_STA[N_VALUE_CAPACITY];
  FIELD8 N_VALUE[N_VALUE_CAPACITY];
  /// Three-value form: the station where each of the three values starts.
  FIELD8 START_STA[3] = {BLANK_FIELD8, BLANK_FIELD8, BLANK_FIELD8};
};

/// Ineffective flow areas or blocked obstructions, left and right.
struct AREA_PAIR {
  int32_t COUNT = 0;
  bool PRESENT = false;
  FIELD8 LEFT_STA = BLANK_FIELD8;
  FIELD8 RIGHT_STA = BLANK_FIELD8;
  FIELD8 LEFT_ELEV = BLANK_FIELD8;
  FIELD8 RIGHT_ELEV = BLANK_FIELD8;
};

/// Lid triplets of a section, or one side of a bridge deck (station, top,
/// underside) with their values. Arrays are 0-based: point i is [i-1].
struct LID_TABLE {
  int32_t COUNT = 0;
  FIELD8 COL1[LID_CAPACITY];
  FIELD8 COL2[LID_CAPACITY];
  FIELD8 COL3[LID_CAPACITY];
  float COL1_VALUE[LID_CAPACITY];
  float COL2_VALUE[LID_CAPACITY];
  float COL3_VALUE[LID_CAPACITY];
};

/// The five section records, owned together by the conversion.
struct SECTION_RECORDS {
  CROSS_SECTION section;
  AREA_PAIR INEFFECTIVE;
  AREA_PAIR BLOCKED;
  N_VALUE_SET nValues;
  LID_TABLE lid;
};

/// Sets every record to its start state: counts 0, flags false, texts blank.
void clearSectionRecords(SECTION_RECORDS& records);
/// Empties a lid table: count 0, texts blank, values 0.
void clearLidTable(LID_TABLE& lid);

/// SECTION_STATUS values handed back by the node readers.
enum SECTION_STATUS : int32_t {
  BLOCK_READ = 0,        ///< a block was read; the section goes on
  SECTION_COMPLETE = 30, ///< the "Exp/Cntr=" line was read
  REACH_KEY_MET = 40,    ///< a reach key line ended the node; it is left in the line buffer
  END_OF_INPUT = 99,     ///< the input ended
};

}  // namespace tolvane
