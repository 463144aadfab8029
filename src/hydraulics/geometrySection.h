#pragma once
// The geometry file's own section as numbers, from the full texts it wrote,
// and what in it a reader of the deck rejects or misreads.

#include <cstdint>

#include "deck/findings.h"
#include "hydraulics/sectionShape.h"

namespace tolvane {

/// A section of the geometry file as numbers.
struct GeometrySection {
  SectionShape shape;
  /// The texts of the ground points, as written.
  FIELD8 stationText[SHAPE_POINT_CAPACITY];
  FIELD8 elevationText[SHAPE_POINT_CAPACITY];
  /// False when a station, elevation or n-value station holds no number: the
  /// section then has no figures.
  bool readable = false;
  bool banksKnown = false;  ///< both bank stations written, as numbers
  double bankLeft = 0;
  double bankRight = 0;
};

/// Reads a section's texts. The n values are split at their own stations:
/// each varying value ends at its end station; each of the three values
/// starts at its start station when the texts carry those, and otherwise
/// the three apply left of, between and right of the bank stations. The
/// texts of a KH section are read as written (the deck carries none of them).
void readGeometrySection(const SectionTexts& texts, GeometrySection& section);

/// Notes a WARNING finding for each thing a reader of the deck rejects or
/// misreads in the section as written: an n value not above 0 on a stretch of
/// positive width, NH end stations that go backwards, ground stations that go
/// backwards, no ground points, an end point below every other point.
void noteWarnings(const SectionTexts& texts, const GeometrySection& section,
                  const Findings& findings);

}  // namespace tolvane
