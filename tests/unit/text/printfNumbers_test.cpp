#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "text/printfNumbers.h"

namespace tolvane {
namespace {

std::string fixed(double value, int decimals) {
  char out[PRINTF_NUMBER_CAPACITY];
  return {out, formatFixed(value, decimals, out)};
}

std::string sixDigits(double value) {
  char out[PRINTF_NUMBER_CAPACITY];
  return {out, formatSixDigits(value, out)};
}

std::string printf(const char* format, double value, int decimals = -1) {
  char out[PRINTF_NUMBER_CAPACITY];
  int n = decimals < 0 ? std::snprintf(out, sizeof out, format, value)
                       : std::snprintf(out, sizeof out, format, decimals, value);
  return {out, static_cast<size_t>(n)};
}

void expectAsPrintf(double value) {
  for (int decimals = 0; decimals <= 9; ++decimals)
    ASSERT_EQ(fixed(value, decimals), printf("%.*f", value, decimals)) << value << " " << decimals;
  ASSERT_EQ(sixDigits(value), printf("%.6g", value)) << value;
}

TEST(PrintfNumbers, EdgesOfRoundingAndRangeAreWrittenAsPrintfWritesThem) {
  const double values[] = {0.0, -0.0, 0.125, 0.375, 2.5, -2.5, 0.05, 0.15, 1e-4, 9.9999e-5,
                           1e-5, 0.001, 0.1, 999999.5, 999999.4, 999999.6, 99999.95, 9.999995,
                           1e5, 1e6, 123456.5, 4294967295.5, 4294967296.0, 1e15, -1234.5678,
                           0.09000000000000341, 1818.09 - 1818.0, 7.0, 1e300, -1e-300,
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::denorm_min()};
  for (double value : values) expectAsPrintf(value);
}

TEST(PrintfNumbers, RandomValuesAreWrittenAsPrintfWritesThem) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> exponent(-7, 11);
  for (int k = 0; k < 20000; ++k) {
    double value = std::pow(10.0, exponent(random));
    if (k % 3 == 0) value = -value;
    // Values of few decimals, as coordinates and changes are, land on halves.
    if (k % 4 == 0) value = std::round(value * 1000) / 1000;
    expectAsPrintf(value);
  }
}

}  // namespace
}  // namespace tolvane
