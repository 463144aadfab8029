#pragma once
// Small pieces shared by the report's pictures: markup with escaped texts and
// fixed-precision numbers, linear scales, and round tick values for the axes.
// Everything is deterministic: the same values always give the same bytes.

#include <string_view>

#include "deck/streams.h"

namespace tolvane {

/// Writes SVG markup to a stream: markup as given, texts escaped, numbers in
/// a fixed format.
class SvgWriter {
 public:
  explicit SvgWriter(OutputStream& out) : out_(out) {}

  /// Markup, written as it is.
  SvgWriter& raw(std::string_view markup);
  /// Character data or an attribute value, with & < > " ' escaped and
  /// control characters other than tab written as blanks.
  SvgWriter& text(std::string_view text);
  /// A coordinate with one decimal (a trailing ".0" left out); values that
  /// are not finite are written as 0 and huge ones clamped to +-1e7.
  SvgWriter& number(double value);
  /// Writes a polyline point "x,y " with numbers as `number` writes them.
  SvgWriter& point(double x, double y);
  /// A value with exactly `decimals` decimals (0..9), "-0" written as "0".
  SvgWriter& fixed(double value, int decimals);
  /// An integer.
  SvgWriter& integer(long long value);

 private:
  OutputStream& out_;
};

/// The text without the blanks before and after it.
inline std::string_view trimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// A linear map from data values onto picture coordinates.
struct Scale {
  double dataLow = 0;
  double dataHigh = 1;
  double pictureLow = 0;
  double pictureHigh = 1;

  /// The picture coordinate of a data value.
  double at(double value) const {
    return pictureLow + (value - dataLow) * (pictureHigh - pictureLow) / (dataHigh - dataLow);
  }
};

/// Round tick values over a range: first, first + step, ..., count values.
struct Ticks {
  double first = 0;
  double step = 1;
  int count = 0;
  /// Decimals that show every tick value exactly.
  int decimals = 0;

  /// The value of tick i.
  double value(int i) const { return first + i * step; }
};

/// Extents of data seen so far; empty until a finite value is added.
struct Extent {
  double low = 0;
  double high = 0;
  bool any = false;

  /// Widens the extent to hold `value`; values that are not finite are ignored.
  void add(double value);
};

/// Ticks of step 1, 2 or 5 times a power of ten, about `target` of them, whose
/// first and last values enclose [low, high]. An empty or zero-width range is
/// widened first, so there are always at least two ticks.
Ticks roundTicks(double low, double high, int target);

/// The drawing area of a chart inside its picture.
struct PlotArea {
  double left = 0;
  double right = 0;
  double top = 0;
  double bottom = 0;
};

/// The scale that maps the ticks' whole range onto [pictureLow, pictureHigh].
Scale scaleOver(const Ticks& ticks, double pictureLow, double pictureHigh);

/// Writes a chart's frame, grid lines, tick values and axis labels.
void writeAxes(SvgWriter& svg, const PlotArea& plot, const Ticks& x, const Ticks& y,
               std::string_view xLabel, std::string_view yLabel);

/// Writes a legend label that starts at (x, y), vertically centred there;
/// returns where the next legend entry may start.
double writeLegendLabel(SvgWriter& svg, double x, double y, std::string_view label);

}  // namespace tolvane
