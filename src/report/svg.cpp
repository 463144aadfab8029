#include "report/svg.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

#include "text/printfNumbers.h"

namespace tolvane {

namespace {

constexpr double kLargestCoordinate = 1e7;

}  // namespace

SvgWriter& SvgWriter::raw(std::string_view markup) {
  out_.write(markup);
  return *this;
}

SvgWriter& SvgWriter::text(std::string_view text) {
  size_t plain = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::string_view replacement;
    switch (c) {
      case '&': replacement = "&amp;"; break;
      case '<': replacement = "&lt;"; break;
      case '>': replacement = "&gt;"; break;
      case '"': replacement = "&quot;"; break;
      case '\'': replacement = "&#39;"; break;
      default:
        // XML admits no control characters but tab, line feed and return; a
        // byte above 127 may not be valid UTF-8, so it is not passed on either.
        if (c < 0x20 || c >= 0x7f) replacement = c == '\t' ? "\t" : " ";
        break;
    }
    if (replacement.empty()) continue;
    out_.write(text.substr(plain, i - plain));
    out_.write(replacement);
    plain = i + 1;
  }
  out_.write(text.substr(plain));
  return *this;
}

namespace {

/// Writes the digits of `value` at `p` (room for 24); returns the end.
inline char* writeDigits(char* p, uint64_t value) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  if (value < 10) {
    *p = static_cast<char>('0' + value);
    return p + 1;
  }
  if (value < 100) {
    std::memcpy(p, kPairs + 2 * value, 2);
    return p + 2;
  }
  if (value < 1000) {
    *p = static_cast<char>('0' + value / 100);
    std::memcpy(p + 1, kPairs + 2 * (value % 100), 2);
    return p + 3;
  }
  if (value < 10000) {
    std::memcpy(p, kPairs + 2 * (value / 100), 2);
    std::memcpy(p + 2, kPairs + 2 * (value % 100), 2);
    return p + 4;
  }
  return std::to_chars(p, p + 24, value).ptr;
}

/// Writes a coordinate with at most one decimal into `digits` (room for 32),
/// "-0" as "0"; returns its length.
size_t formatCoordinate(double value, char* digits) {
  if (!std::isfinite(value)) value = 0;
  if (value > kLargestCoordinate) value = kLargestCoordinate;
  if (value < -kLargestCoordinate) value = -kLargestCoordinate;
  // Pictures hold many thousands of coordinates: tenths are counted as an
  // integer, unless the value lies so near a half tenth that only the exact
  // decimal expansion can tell which way it rounds.
  double tenths = std::fabs(value * 10);
  uint64_t whole = static_cast<uint64_t>(tenths);
  double fraction = tenths - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) > 1e-6) {
    uint64_t rounded = whole + (fraction > 0.5 ? 1 : 0);
    uint64_t units = rounded / 10, tenth = rounded % 10;
    // Written without branches on the digits, which vary from one
    // coordinate to the next: the sign and the tenth are always stored and
    // only kept when they count.
    char* p = digits;
    *p = '-';
    p += value < 0 && rounded != 0;
    p = writeDigits(p, units);
    p[0] = '.';
    p[1] = static_cast<char>('0' + tenth);
    p += tenth != 0 ? 2 : 0;
    return static_cast<size_t>(p - digits);
  }
  size_t length = 0;
  int written = std::snprintf(digits, 32, "%.1f", value);
  length = written > 0 ? static_cast<size_t>(written) : 0;
  if (length >= 2 && digits[length - 1] == '0' && digits[length - 2] == '.') length -= 2;
  if (length == 2 && digits[0] == '-' && digits[1] == '0') {
    digits[0] = '0';
    length = 1;
  }
  return length;
}

}  // namespace

SvgWriter& SvgWriter::number(double value) {
  if (char* digits = out_.reserve(32)) out_.advance(formatCoordinate(value, digits));
  return *this;
}

SvgWriter& SvgWriter::point(double x, double y) {
  // Written in place: two coordinates of at most 32 characters, a comma and a blank.
  char* text = out_.reserve(66);
  if (text == nullptr) return *this;
  size_t length = formatCoordinate(x, text);
  text[length++] = ',';
  length += formatCoordinate(y, text + length);
  text[length++] = ' ';
  out_.advance(length);
  return *this;
}

SvgWriter& SvgWriter::fixed(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  if (decimals < 0) decimals = 0;
  if (decimals > 9) decimals = 9;
  char digits[PRINTF_NUMBER_CAPACITY];
  std::string_view shown(digits, formatFixed(value, decimals, digits));
  // A negative value that rounds to zero is shown without its sign.
  if (shown.size() > 1 && shown[0] == '-' && shown.find_first_not_of("-0.") == std::string_view::npos) {
    shown.remove_prefix(1);
  }
  out_.write(shown);
  return *this;
}

SvgWriter& SvgWriter::integer(long long value) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  out_.write(std::string_view(digits, static_cast<size_t>(end - digits)));
  return *this;
}

void Extent::add(double value) {
  if (!std::isfinite(value)) return;
  if (!any) {
    low = high = value;
    any = true;
    return;
  }
  if (value < low) low = value;
  if (value > high) high = value;
}

Ticks roundTicks(double low, double high, int target) {
  if (!std::isfinite(low) || !std::isfinite(high)) low = high = 0;
  if (high < low) std::swap(low, high);
  if (high - low <= std::fabs(high) * 1e-6) {
    // A flat range gets a span of its own around the value.
    double half = std::fabs(high) > 1 ? std::fabs(high) * 0.01 : 1;
    low -= half;
    high += half;
  }
  if (target < 2) target = 2;
  double rough = (high - low) / target;
  int exponent = static_cast<int>(std::floor(std::log10(rough)));
  double power = std::pow(10.0, exponent);
  double fraction = rough / power;
  int mantissa = fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10;
  if (mantissa == 10) {
    mantissa = 1;
    ++exponent;
    power *= 10;
  }
  Ticks ticks;
  ticks.step = mantissa * power;
  double firstIndex = std::floor(low / ticks.step);
  double lastIndex = std::ceil(high / ticks.step);
  ticks.first = firstIndex * ticks.step;
  ticks.count = static_cast<int>(lastIndex - firstIndex) + 1;
  ticks.decimals = exponent < 0 ? -exponent : 0;
  return ticks;
}

Scale scaleOver(const Ticks& ticks, double pictureLow, double pictureHigh) {
  return {ticks.value(0), ticks.value(ticks.count - 1), pictureLow, pictureHigh};
}

void writeAxes(SvgWriter& svg, const PlotArea& plot, const Ticks& x, const Ticks& y,
               std::string_view xLabel, std::string_view yLabel) {
  Scale xs = scaleOver(x, plot.left, plot.right);
  Scale ys = scaleOver(y, plot.bottom, plot.top);
  svg.raw("<g stroke=\"#dddddd\" stroke-width=\"1\">");
  for (int i = 1; i + 1 < x.count; ++i) {
    double at = xs.at(x.value(i));
    svg.raw("<line x1=\"").number(at).raw("\" y1=\"").number(plot.top);
    svg.raw("\" x2=\"").number(at).raw("\" y2=\"").number(plot.bottom).raw("\"/>");
  }
  for (int i = 1; i + 1 < y.count; ++i) {
    double at = ys.at(y.value(i));
    svg.raw("<line x1=\"").number(plot.left).raw("\" y1=\"").number(at);
    svg.raw("\" x2=\"").number(plot.right).raw("\" y2=\"").number(at).raw("\"/>");
  }
  svg.raw("</g>\n<g font-size=\"13\" fill=\"#222222\">");
  for (int i = 0; i < x.count; ++i) {
    svg.raw("<text x=\"").number(xs.at(x.value(i))).raw("\" y=\"").number(plot.bottom + 18);
    svg.raw("\" text-anchor=\"middle\">").fixed(x.value(i), x.decimals).raw("</text>");
  }
  for (int i = 0; i < y.count; ++i) {
    svg.raw("<text x=\"").number(plot.left - 6).raw("\" y=\"").number(ys.at(y.value(i)) + 4.5);
    svg.raw("\" text-anchor=\"end\">").fixed(y.value(i), y.decimals).raw("</text>");
  }
  svg.raw("</g>\n<g font-size=\"14\" fill=\"#222222\">");
  svg.raw("<text x=\"").number((plot.left + plot.right) / 2).raw("\" y=\"").number(plot.bottom + 38);
  svg.raw("\" text-anchor=\"middle\">").text(xLabel).raw("</text>");
  double middle = (plot.top + plot.bottom) / 2;
  double labelX = plot.left - 60;
  svg.raw("<text x=\"").number(labelX).raw("\" y=\"").number(middle);
  svg.raw("\" text-anchor=\"middle\" transform=\"rotate(-90 ").number(labelX).raw(" ").number(middle);
  svg.raw(")\">").text(yLabel).raw("</text></g>\n");
  svg.raw("<rect x=\"").number(plot.left).raw("\" y=\"").number(plot.top);
  svg.raw("\" width=\"").number(plot.right - plot.left).raw("\" height=\"").number(plot.bottom - plot.top);
  svg.raw("\" fill=\"none\" stroke=\"#555555\" stroke-width=\"1\"/>\n");
}

double writeLegendLabel(SvgWriter& svg, double x, double y, std::string_view label) {
  svg.raw("<text x=\"").number(x).raw("\" y=\"").number(y + 4.5);
  svg.raw("\" font-size=\"13\" fill=\"#222222\">").text(label).raw("</text>\n");
  // About the width of a sans-serif character at this size, and a gap.
  return x + label.size() * 6.6 + 26;
}

}  // namespace tolvane
