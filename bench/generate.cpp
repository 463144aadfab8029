// tolvane_generate: writes a large, realistic BEK geometry file to standard
// output, for benchmarks of the converter.
//
//   tolvane_generate --seed N --megabytes M [--crlf] > file.geo
//
// M megabytes are M * 10^6 bytes of lines with LF ends; --crlf writes the
// same lines with CR LF ends (a slightly larger file).
//
// The same seed and size give the same file, byte for byte, on every machine:
// the random source and every number format are our own. The file holds a
// river network (junction blocks, then up to 500 reaches) whose reaches carry
// cross sections of 50 to 400 ground points with every section key, a bridge
// with piers every few dozen sections, culverts, and the lines of other keys
// that the converter passes over. Every node is one the converter takes as a
// plain conversion: counts match their value lines, every section ends with
// "Exp/Cntr=", every bridge is followed by a cross section of its own reach,
// and names, sort keys and junction lists fit the converter's tables.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::bench {
namespace {

constexpr int MAX_REACHES = 500;
constexpr int MAX_JUNCTIONS = 300;
constexpr int MAX_NAMES_PER_END = 7;
constexpr int64_t BYTES_PER_REACH = 400000;  // about 90 cross sections
constexpr int64_t TYPICAL_SECTION_BYTES = 4500;

// ---------------------------------------------------------------------------
// Random source

/// A small deterministic random source (splitmix64), so that a seed gives the
/// same file with every compiler and library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  /// A whole number from low to high, both included.
  int64_t between(int64_t low, int64_t high) {
    return low + static_cast<int64_t>(next() % static_cast<uint64_t>(high - low + 1));
  }
  /// True with a chance of perMille in a thousand.
  bool chance(int perMille) { return between(0, 999) < perMille; }
  /// One element of a list.
  template <typename T, size_t N>
  const T& pick(const T (&items)[N]) {
    return items[static_cast<size_t>(between(0, N - 1))];
  }

 private:
  uint64_t state_;
};

// ---------------------------------------------------------------------------
// Number and text formatting

int64_t powerOfTen(int n) {
  int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

/// Appends value / 10^scale with the fewest decimals that show it exactly, as
/// the model writes its numbers: 216.6, 209, -0.25, or .035 without the
/// leading zero.
void appendDecimal(std::string& out, int64_t value, int scale, bool leadingZero = true) {
  char buffer[48];
  char* p = buffer;
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  uint64_t unit = static_cast<uint64_t>(powerOfTen(scale));
  uint64_t whole = magnitude / unit;
  uint64_t fraction = magnitude % unit;
  if (value < 0) *p++ = '-';
  if (whole != 0 || leadingZero || fraction == 0) p = std::to_chars(p, buffer + 24, whole).ptr;
  if (fraction != 0) {
    int digits = scale;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --digits;
    }
    char text[24];
    char* end = std::to_chars(text, text + sizeof text, fraction).ptr;
    int length = static_cast<int>(end - text);
    *p++ = '.';
    for (int i = length; i < digits; ++i) *p++ = '0';
    std::memcpy(p, text, static_cast<size_t>(length));
    p += length;
  }
  out.append(buffer, static_cast<size_t>(p - buffer));
}

/// Appends a whole number.
void appendInteger(std::string& out, int64_t value) { appendDecimal(out, value, 0); }

/// Appends text blank-padded on the right to width characters.
void appendLeft(std::string& out, std::string_view text, size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

/// Appends text blank-padded on the left to width characters.
void appendRight(std::string& out, std::string_view text, size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out += text;
}

/// A number with its scale: value / 10^scale.
struct Number {
  int64_t value;
  int scale;
  bool leadingZero = true;
};

/// Appends a number right-justified in an 8-column field.
void appendField8(std::string& out, const Number& number) {
  std::string text;
  appendDecimal(text, number.value, number.scale, number.leadingZero);
  appendRight(out, text, 8);
}

// ---------------------------------------------------------------------------
// Output

/// Collects the file's lines with the chosen line end and writes them to
/// standard output in large blocks.
class LineWriter {
 public:
  explicit LineWriter(bool crlf) : lineEnd_(crlf ? "\r\n" : "\n") { buffer_.reserve(kBlock + 4096); }

  /// The line being built; line() starts it empty, end() writes it.
  std::string& line() {
    line_.clear();
    return line_;
  }
  void end() {
    buffer_ += line_;
    buffer_ += lineEnd_;
    counted_ += line_.size() + 1;
    if (buffer_.size() >= kBlock) flush();
  }
  /// Writes one whole line.
  void write(std::string_view text) {
    line() = text;
    end();
  }
  /// Bytes written so far, counting each line end as one byte: the CR LF
  /// file holds the same lines as the LF file of the same seed and size.
  int64_t bytes() const { return static_cast<int64_t>(counted_); }
  /// Hands the buffered lines to standard output; false on a write error.
  bool flush() {
    bool ok = std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) == buffer_.size();
    buffer_.clear();
    return ok && std::fflush(stdout) == 0;
  }

 private:
  static constexpr size_t kBlock = 1 << 20;
  std::string_view lineEnd_;
  std::string line_;
  std::string buffer_;
  uint64_t counted_ = 0;
};

/// Writes numbers as 8-column fields, perLine to a line, the last line short.
void writeFieldLines(LineWriter& out, const std::vector<Number>& numbers, size_t perLine) {
  for (size_t first = 0; first < numbers.size(); first += perLine) {
    std::string& line = out.line();
    size_t last = std::min(numbers.size(), first + perLine);
    for (size_t i = first; i < last; ++i) appendField8(line, numbers[i]);
    out.end();
  }
}

/// Writes map coordinates as 16-column fields, two points to a line.
void writeCoordinateLines(LineWriter& out, Random& random, int points) {
  int64_t x = random.between(1000000000, 3000000000);  // thousandths
  int64_t y = random.between(100000000, 900000000);
  for (int first = 0; first < points; first += 2) {
    std::string& line = out.line();
    for (int i = first; i < std::min(points, first + 2); ++i) {
      std::string text;
      appendDecimal(text, x + random.between(-400000, 400000), 3);
      appendRight(line, text, 16);
      text.clear();
      appendDecimal(text, y + random.between(-400000, 400000), 3);
      appendRight(line, text, 16);
    }
    out.end();
  }
}

// ---------------------------------------------------------------------------
// River network

const char* const RIVER_NAMES[] = {
    "Tolva River",  "Alder Creek",    "Birch Run",      "Cedar Fork",   "Dunmore Brook",
    "Elm Branch",   "Fox Creek",      "Granite River",  "Heron Slough", "Iron Creek",
    "Juniper Wash", "Kettle River",   "Larch Creek",    "Mill Race",    "North Fork",
    "Otter Creek",  "Pine Bayou",     "Quarry Run",     "Raven Creek",  "Sand River",
    "St. Anne Fork", "Tamarack Creek", "Upland Ditch",  "Vale Brook",   "Willow Creek"};
const char* const REACH_WORDS[] = {"Reach", "Upper", "Lower", "Middle", "Gorge",
                                   "Mouth", "Bend",  "Falls", "Town",   "Meadow"};

/// A reach: its river and reach names (no digit in the river name, the
/// reach's own number the only digits of the reach name, so that the sorted
/// order follows that number) and the junctions at its two ends.
struct Reach {
  std::string river;
  std::string name;
  int upJunction = -1;
  int downJunction = -1;
};

/// A junction: the reaches that flow into it and out of it.
struct Junction {
  std::string name;
  std::vector<int> up;
  std::vector<int> down;
};

struct Network {
  std::vector<Reach> reaches;
  std::vector<Junction> junctions;
};

/// Reach numbers 1..count in a random order: the sorted mode then reorders
/// every reach.
std::vector<int> shuffledNumbers(Random& random, int count) {
  std::vector<int> numbers(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) numbers[static_cast<size_t>(i)] = i + 1;
  for (size_t i = numbers.size(); i > 1; --i) std::swap(numbers[i - 1], numbers[static_cast<size_t>(random.between(0, static_cast<int64_t>(i) - 1))]);
  return numbers;
}

/// How many reaches meet at a new confluence from upstream: mostly two.
int upstreamCount(Random& random) {
  if (random.chance(750)) return 2;
  if (random.chance(600)) return 3;
  return static_cast<int>(random.between(4, MAX_NAMES_PER_END));
}

/// Grows a tree of reaches from the outlet upstream: each step picks a reach
/// whose upstream end is still free and puts a confluence there with new
/// reaches above it, now and then with a side channel leaving it as well.
Network buildNetwork(Random& random, int reachCount) {
  Network network;
  std::vector<int> numbers = shuffledNumbers(random, reachCount);
  auto addReach = [&](std::string river) {
    int id = static_cast<int>(network.reaches.size());
    std::string name = random.pick(REACH_WORDS);
    name += ' ';
    appendInteger(name, numbers[static_cast<size_t>(id)]);
    network.reaches.push_back({std::move(river), std::move(name)});
    return id;
  };
  addReach(RIVER_NAMES[0]);
  std::vector<int> freeUpstreamEnds{0};
  while (static_cast<int>(network.reaches.size()) < reachCount && !freeUpstreamEnds.empty() &&
         static_cast<int>(network.junctions.size()) < MAX_JUNCTIONS) {
    size_t at = static_cast<size_t>(random.between(0, static_cast<int64_t>(freeUpstreamEnds.size()) - 1));
    int below = freeUpstreamEnds[at];
    freeUpstreamEnds.erase(freeUpstreamEnds.begin() + static_cast<std::ptrdiff_t>(at));
    int room = reachCount - static_cast<int>(network.reaches.size());
    int ups = std::min(room, upstreamCount(random));
    int sideChannels = (room - ups >= 1 && random.chance(80)) ? 1 : 0;

    int junction = static_cast<int>(network.junctions.size());
    Junction node;
    node.name = "Confluence ";
    appendInteger(node.name, junction + 1);
    node.down.push_back(below);
    network.reaches[static_cast<size_t>(below)].upJunction = junction;
    for (int k = 0; k < ups; ++k) {
      std::string river = k == 0 ? network.reaches[static_cast<size_t>(below)].river : random.pick(RIVER_NAMES);
      int id = addReach(std::move(river));
      network.reaches[static_cast<size_t>(id)].downJunction = junction;
      node.up.push_back(id);
      freeUpstreamEnds.push_back(id);
    }
    for (int k = 0; k < sideChannels; ++k) {
      int id = addReach(network.reaches[static_cast<size_t>(below)].river);
      network.reaches[static_cast<size_t>(id)].upJunction = junction;
      node.down.push_back(id);
    }
    network.junctions.push_back(std::move(node));
  }
  return network;
}

/// The reach's key text: 16-character river name, comma, 16-character reach name.
std::string reachKeyText(const Reach& reach) {
  std::string text;
  appendLeft(text, reach.river, 16);
  text += ',';
  appendLeft(text, reach.name, 16);
  return text;
}

// ---------------------------------------------------------------------------
// File head, junctions, reach headers

void writeFileHead(LineWriter& out, uint64_t seed) {
  std::string& title = out.line();
  title = "Geom Title=Generated river network, seed ";
  appendInteger(title, static_cast<int64_t>(seed));
  out.end();
  out.write("Program Version=4.10");
  out.write("Viewing Rectangle= 0.0021 , 1.0137 , 0.9968 ,-0.0102 ");
  out.write("");
}

void writeJunction(LineWriter& out, Random& random, const Network& network, const Junction& junction) {
  std::string& name = out.line();
  name = "Junct Name=";
  appendLeft(name, junction.name, 16);
  out.end();
  out.write("Junct Desc=, 0 , 0 ,-1 ,0");
  std::string& place = out.line();
  place = "Junct X Y & Text X Y=";
  for (int i = 0; i < 4; ++i) {
    if (i > 0) place += ',';
    appendDecimal(place, random.between(10000, 990000), 6);
  }
  out.end();
  for (int id : junction.up) {
    out.line() = "Up River,Reach=" + reachKeyText(network.reaches[static_cast<size_t>(id)]);
    out.end();
  }
  for (int id : junction.down) {
    out.line() = "Dn River,Reach=" + reachKeyText(network.reaches[static_cast<size_t>(id)]);
    out.end();
  }
  size_t lengthLines = junction.up.size() + junction.down.size() - 1;
  for (size_t i = 0; i < lengthLines; ++i) {
    std::string& line = out.line();
    line = "Junc L&A=";
    appendInteger(line, random.between(20, 400));
    line += i == 0 ? "," : ",0";
    out.end();
  }
  out.write("");
}

void writeReachHeader(LineWriter& out, Random& random, const Reach& reach) {
  out.line() = "River Reach=" + reachKeyText(reach);
  out.end();
  int points = static_cast<int>(random.between(2, 24));
  std::string& count = out.line();
  count = "Reach XY= ";
  appendInteger(count, points);
  count += ' ';
  out.end();
  writeCoordinateLines(out, random, points);
  std::string& text = out.line();
  text = "Rch Text X Y=";
  appendDecimal(text, random.between(1000, 99000), 5);
  text += ',';
  appendDecimal(text, random.between(1000, 99000), 5);
  out.end();
  out.write("Reverse River Text= 0 ");
  out.write("");
}

// ---------------------------------------------------------------------------
// Cross-section geometry

/// The ground line of one cross section, with its banks.
struct Ground {
  std::vector<int64_t> station;    // hundredths of a foot, increasing
  std::vector<int64_t> elevation;  // thousandths of a foot
  int elevationScale = 2;          // decimals written: 2, or 3 for a fine survey
  size_t leftBank = 0;
  size_t rightBank = 0;
  int64_t bankElevation = 0;       // thousandths
  int64_t invert = 0;              // thousandths
};

/// Elevation of a point of the profile, before survey noise: overbanks rising
/// away from the banks, a rounded channel between them.
int64_t profileElevation(const Ground& g, size_t i, int64_t depth, int64_t leftRise, int64_t rightRise) {
  if (i <= g.leftBank) {
    int64_t span = static_cast<int64_t>(g.leftBank);
    return g.bankElevation + (span == 0 ? 0 : leftRise * static_cast<int64_t>(g.leftBank - i) / span);
  }
  if (i >= g.rightBank) {
    int64_t span = static_cast<int64_t>(g.station.size() - 1 - g.rightBank);
    return g.bankElevation + (span == 0 ? 0 : rightRise * static_cast<int64_t>(i - g.rightBank) / span);
  }
  int64_t width = static_cast<int64_t>(g.rightBank - g.leftBank);
  int64_t t = static_cast<int64_t>(i - g.leftBank);  // 0 .. width
  // depth * (1 - (2t/width - 1)^2), in integers
  int64_t u = 2 * t - width;
  return g.bankElevation - depth + depth * u / width * u / width;
}

Ground makeGround(Random& random, int64_t invert) {
  Ground g;
  size_t points = static_cast<size_t>(random.between(50, 400));
  g.elevationScale = random.chance(60) ? 3 : 2;
  g.invert = invert;
  int64_t depth = random.between(3000, 15000);
  g.bankElevation = invert + depth;
  g.leftBank = points * static_cast<size_t>(random.between(30, 45)) / 100;
  g.rightBank = points * static_cast<size_t>(random.between(55, 70)) / 100;
  int64_t station = random.chance(600) ? 0 : random.between(100, 20000) * 100;
  int64_t leftRise = random.between(3000, 25000);
  int64_t rightRise = random.between(3000, 25000);
  g.station.resize(points);
  g.elevation.resize(points);
  for (size_t i = 0; i < points; ++i) {
    g.station[i] = station;
    station += random.between(100, 3000);
    int64_t z = profileElevation(g, i, depth, leftRise, rightRise) + random.between(-300, 300);
    if (i > g.leftBank && i < g.rightBank) z = std::max(z, invert - 500);
    g.elevation[i] = g.elevationScale == 3 ? z : (z + 5) / 10 * 10;
  }
  g.elevation[g.leftBank] = g.bankElevation;
  g.elevation[g.rightBank] = g.bankElevation;
  return g;
}

// ---------------------------------------------------------------------------
// Cross-section blocks

/// The lengths to the next section downstream, tenths of a foot.
struct Lengths {
  int64_t left = 0;
  int64_t channel = 0;
  int64_t right = 0;
};

/// One cross section as the file names it.
struct SectionHead {
  std::string station;  // river mile text, "*" for an interpolated section
  Lengths lengths;
};

void writeNodeHeader(LineWriter& out, int type, std::string_view station, const Lengths* lengths) {
  std::string& line = out.line();
  line = "Type RM Length L Ch R = ";
  appendInteger(line, type);
  line += " ,";
  appendLeft(line, station, 8);  // columns 28-35
  line += ',';
  if (lengths != nullptr) {
    appendDecimal(line, lengths->left, 1);
    line += ',';
    appendDecimal(line, lengths->channel, 1);
    line += ',';
    appendDecimal(line, lengths->right, 1);
  } else {
    line += ",,";
  }
  out.end();
}

const char* const DESCRIPTION_LINES[] = {
    "Surveyed by field crew, ground from level loop",
    "Overbanks from 2 ft contour map, channel from sounding",
    "Downstream of bridge embankment",
    "Upstream face of weir, left overbank ineffective",
    "Cross section moved 40 ft downstream to avoid gauging station",
    "Channel cleared of debris before survey",
    "Road crossing at low flow, gravel bed",
    "Bank protection on right side, rip-rap",
};

void writeDescription(LineWriter& out, Random& random, std::string_view station) {
  out.write("BEGIN DESCRIPTION:");
  std::string& first = out.line();
  first = "River mile ";
  first += station;
  out.end();
  int more = static_cast<int>(random.between(0, 3));
  for (int i = 0; i < more; ++i) {
    if (random.chance(100)) {
      out.write("");
    } else if (random.chance(80)) {  // a long line: the converter keeps its first 132 columns
      std::string& line = out.line();
      while (line.size() < 160) {
        line += random.pick(DESCRIPTION_LINES);
        line += "; ";
      }
      out.end();
    } else {
      out.write(random.pick(DESCRIPTION_LINES));
    }
  }
  out.write("END DESCRIPTION:");
}

void writeGisCutLine(LineWriter& out, Random& random) {
  int points = static_cast<int>(random.between(2, 9));
  std::string& line = out.line();
  line = "XS GIS Cut Line=";
  appendInteger(line, points);
  out.end();
  writeCoordinateLines(out, random, points);
}

const char* const MONTHS[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

void writeEditedTime(LineWriter& out, Random& random) {
  char text[64];
  std::snprintf(text, sizeof text, "Node Last Edited Time=%s/%02d/%04d %02d:%02d:%02d", random.pick(MONTHS),
                static_cast<int>(random.between(1, 28)), static_cast<int>(random.between(1995, 2023)),
                static_cast<int>(random.between(0, 23)), static_cast<int>(random.between(0, 59)),
                static_cast<int>(random.between(0, 59)));
  out.write(text);
}

Number stationNumber(int64_t hundredths) { return {hundredths, 2}; }
Number elevationNumber(const Ground& g, int64_t thousandths) {
  return g.elevationScale == 3 ? Number{thousandths, 3} : Number{thousandths / 10, 2};
}

void writeGround(LineWriter& out, const Ground& g, std::vector<Number>& scratch) {
  std::string& line = out.line();
  line = "#Sta/Elev= ";
  appendInteger(line, static_cast<int64_t>(g.station.size()));
  line += ' ';
  out.end();
  scratch.clear();
  for (size_t i = 0; i < g.station.size(); ++i) {
    scratch.push_back(stationNumber(g.station[i]));
    scratch.push_back(elevationNumber(g, g.elevation[i]));
  }
  writeFieldLines(out, scratch, 10);
}

/// A Manning's n value, thousandths, written without the leading zero (.035).
Number roughness(int64_t thousandths) { return {thousandths, 3, false}; }

void writeManningKeyLine(LineWriter& out, int count, int mode, int kh) {
  std::string& line = out.line();
  line = "#Mann= ";
  appendInteger(line, count);
  line += mode < 0 ? " ," : " , ";
  appendInteger(line, mode);
  line += " , ";
  appendInteger(line, kh);
  line += ' ';
  out.end();
}

/// The three-value form: left overbank, channel, right overbank.
void writeManningThreeValues(LineWriter& out, Random& random, const Ground& g, int kh,
                             std::vector<Number>& scratch) {
  writeManningKeyLine(out, 3, 0, kh);
  int64_t overbank = random.between(40, 150);
  scratch = {stationNumber(g.station.front()), roughness(overbank),         {0, 0},
             stationNumber(g.station[g.leftBank]), roughness(random.between(25, 60)), {0, 0},
             stationNumber(g.station[g.rightBank]), roughness(overbank + random.between(-20, 20)), {0, 0}};
  writeFieldLines(out, scratch, 9);
}

/// The horizontally varying form: one triplet per stretch, from the station
/// where its n value starts.
void writeManningVarying(LineWriter& out, Random& random, const Ground& g, int kh,
                         std::vector<Number>& scratch) {
  int count = static_cast<int>(random.between(2, 12));
  writeManningKeyLine(out, count, random.chance(500) ? -1 : 1, kh);
  scratch.clear();
  size_t points = g.station.size();
  for (int k = 0; k < count; ++k) {
    size_t at = k == 0 ? 0 : static_cast<size_t>(k) * (points - 1) / static_cast<size_t>(count);
    bool channel = at > g.leftBank && at < g.rightBank;
    scratch.push_back(stationNumber(g.station[at]));
    scratch.push_back(roughness(channel ? random.between(25, 60) : random.between(40, 150)));
    scratch.push_back({0, 0});
  }
  writeFieldLines(out, scratch, 9);
}

void writeManning(LineWriter& out, Random& random, const Ground& g, std::vector<Number>& scratch) {
  if (random.chance(4)) {  // no n values: the converter writes a blank NC card
    writeManningKeyLine(out, 0, 0, 0);
    return;
  }
  int kh = random.chance(10) ? 1 : 0;
  if (random.chance(450))
    writeManningThreeValues(out, random, g, kh, scratch);
  else
    writeManningVarying(out, random, g, kh, scratch);
}

void writeLevee(LineWriter& out, const Ground& g) {
  std::string& line = out.line();
  line = "Levee=-1,";
  appendDecimal(line, g.station[g.rightBank + 1], 2);
  line += ',';
  appendDecimal(line, g.bankElevation + 2000, 3);
  line += ",0,,,0,0";
  out.end();
}

/// The six fields of a left and a right area: outer station, inner station,
/// elevation, for each side.
void writeAreaValues(LineWriter& out, Random& random, const Ground& g, std::vector<Number>& scratch) {
  size_t left = g.leftBank - std::min(g.leftBank, static_cast<size_t>(random.between(0, 5)));
  size_t right = std::min(g.station.size() - 1, g.rightBank + static_cast<size_t>(random.between(0, 5)));
  int64_t height = g.bankElevation + random.between(500, 3000);
  scratch = {stationNumber(g.station.front()), stationNumber(g.station[left]), elevationNumber(g, height),
             stationNumber(g.station[right]), stationNumber(g.station.back()), elevationNumber(g, height)};
  writeFieldLines(out, scratch, 10);
}

void writeIneffective(LineWriter& out, Random& random, const Ground& g, std::vector<Number>& scratch) {
  if (random.chance(150)) {  // three areas: not convertible, the values are passed over
    out.write("#XS Ineff= 3 ,-1 ");
    scratch.clear();
    for (int k = 0; k < 3; ++k) {
      size_t at = static_cast<size_t>(k) * (g.station.size() - 1) / 3;
      scratch.push_back(stationNumber(g.station[at]));
      scratch.push_back(stationNumber(g.station[at + 1]));
      scratch.push_back(elevationNumber(g, g.bankElevation + 1000));
    }
    writeFieldLines(out, scratch, 10);
    out.write("Permanent Ineff=");
    out.write("       F       F       F");
    return;
  }
  out.write(random.chance(700) ? "#XS Ineff= 2 , 0 " : "#XS Ineff= 2 ,-1 ");
  writeAreaValues(out, random, g, scratch);
  out.write("Permanent Ineff=");
  out.write(random.chance(200) ? "       T       F" : "       F       F");
}

void writeBlocked(LineWriter& out, Random& random, const Ground& g, std::vector<Number>& scratch) {
  out.write("#Block Obstruct= 2 , 0 ");
  writeAreaValues(out, random, g, scratch);
}

void writeLid(LineWriter& out, Random& random, const Ground& g, std::vector<Number>& scratch) {
  int count = static_cast<int>(random.between(3, 9));
  std::string& line = out.line();
  line = "#XS Lid=";
  appendInteger(line, count);
  out.end();
  int64_t top = g.bankElevation + random.between(3000, 8000);
  int64_t low = g.bankElevation + random.between(500, 2500);
  scratch.clear();
  for (int k = 0; k < count; ++k) {
    size_t at = g.leftBank + static_cast<size_t>(k) * (g.rightBank - g.leftBank) / static_cast<size_t>(count - 1);
    scratch.push_back(stationNumber(g.station[at]));
    scratch.push_back(elevationNumber(g, top));
    scratch.push_back(elevationNumber(g, k == 0 || k == count - 1 ? g.elevation[at] : low));
  }
  writeFieldLines(out, scratch, 9);
  out.write("XS Deck Add Preissmann Slot");
}

void writeBankStations(LineWriter& out, const Ground& g) {
  std::string& line = out.line();
  line = "Bank Sta=";
  appendDecimal(line, g.station[g.leftBank], 2);
  line += ',';
  appendDecimal(line, g.station[g.rightBank], 2);
  out.end();
}

void writeSectionTail(LineWriter& out, Random& random, const Ground& g) {
  out.write("XS Rating Curve= 0 ,0");
  if (random.chance(350)) {
    std::string& line = out.line();
    line = "XS HTab Starting El and Incr=";
    appendDecimal(line, g.invert + 500, 3);
    line += ",0.5, 100 ";
    out.end();
  }
  if (random.chance(150)) out.write("XS HTab Horizontal Distribution= 5 , 5 , 5 ");
  if (random.chance(40)) out.write("Exp/Cntr(USF)=0.4,0.2");
  out.write(random.chance(900) ? "Exp/Cntr=0.3,0.1" : "Exp/Cntr=0.5,0.3");
  out.write("");
}

/// A whole cross-section node, keys in the order the model writes them.
void writeCrossSection(LineWriter& out, Random& random, const SectionHead& head, const Ground& g,
                       std::vector<Number>& scratch) {
  writeNodeHeader(out, 1, head.station, &head.lengths);
  if (random.chance(350)) writeDescription(out, random, head.station);
  if (random.chance(20)) out.write("Node Name=Gauge site");
  if (random.chance(700)) writeGisCutLine(out, random);
  writeEditedTime(out, random);
  writeGround(out, g, scratch);
  writeManning(out, random, g, scratch);
  if (random.chance(100)) writeLevee(out, g);
  if (random.chance(250)) writeIneffective(out, random, g, scratch);
  if (random.chance(80)) writeBlocked(out, random, g, scratch);
  if (random.chance(30)) writeLid(out, random, g, scratch);
  if (random.chance(40)) out.write("Sediment Elevation=0");
  writeBankStations(out, g);
  writeSectionTail(out, random, g);
}

// ---------------------------------------------------------------------------
// Bridges and culverts

/// One side of a deck: stations (hundredths), top and underside
/// (thousandths); stations strictly increasing.
struct Deck {
  std::vector<int64_t> station;
  std::vector<int64_t> top;
  std::vector<int64_t> low;
};

/// A deck across the whole section: embankment at both ends, the opening
/// between them over the channel.
Deck makeDeck(Random& random, const Ground& g) {
  Deck deck;
  size_t points = static_cast<size_t>(random.between(4, 16));
  int64_t top = g.bankElevation + random.between(4000, 9000);
  int64_t underside = top - random.between(1500, 3500);
  int64_t first = g.station.front();
  int64_t last = g.station.back();
  int64_t openingStart = g.station[g.leftBank / 2];
  int64_t openingEnd = g.station[(g.rightBank + g.station.size() - 1) / 2];
  int64_t interiorSteps = static_cast<int64_t>(points) - 3;  // at least 1
  for (size_t i = 0; i < points; ++i) {
    int64_t s = i == 0            ? first
                : i + 1 == points ? last
                                  : openingStart + (openingEnd - openingStart) * static_cast<int64_t>(i - 1) / interiorSteps;
    if (!deck.station.empty()) s = std::max(s, deck.station.back() + 100);
    deck.station.push_back(s);
    deck.top.push_back(top + random.between(-50, 50) * 10);
    deck.low.push_back(i == 0 || i + 1 == points ? g.invert : underside);
  }
  return deck;
}

void writeDeckLists(LineWriter& out, const Deck& deck, std::vector<Number>& scratch) {
  scratch.clear();
  for (int64_t s : deck.station) scratch.push_back(stationNumber(s));
  writeFieldLines(out, scratch, 10);
  scratch.clear();
  for (int64_t z : deck.top) scratch.push_back({z / 10, 2});
  writeFieldLines(out, scratch, 10);
  scratch.clear();
  for (int64_t z : deck.low) scratch.push_back({z / 10, 2});
  writeFieldLines(out, scratch, 10);
}

/// The deck key line, its value line and both deck sides.
void writeDeck(LineWriter& out, const Deck& deck, int64_t distance, int64_t width, std::vector<Number>& scratch) {
  out.write("Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee");
  std::string& line = out.line();
  appendDecimal(line, distance, 1);
  line += ',';
  appendDecimal(line, width, 1);
  line += ",2.6,0, ";
  appendInteger(line, static_cast<int64_t>(deck.station.size()));
  line += ", ";
  appendInteger(line, static_cast<int64_t>(deck.station.size()));
  line += ", , , 0.95, 0, 2,2,,";
  out.end();
  writeDeckLists(out, deck, scratch);
  writeDeckLists(out, deck, scratch);
}

/// A pier key line and its width and elevation lists, upstream and
/// downstream, two points each.
void writePier(LineWriter& out, Random& random, int64_t centre, const Ground& g, int64_t top) {
  std::string& key = out.line();
  key = "Pier Skew, UpSta & Num, DnSta & Num=  ,";
  appendDecimal(key, centre, 2);
  key += ", 2 ,";
  appendDecimal(key, centre, 2);
  key += ", 2 , 0 , 0 , 0 ,,";
  out.end();
  int64_t width = random.between(100, 400);  // hundredths
  for (int side = 0; side < 2; ++side) {
    std::string& widths = out.line();
    appendField8(widths, {width, 2});
    appendField8(widths, {width, 2});
    out.end();
    std::string& levels = out.line();
    appendField8(levels, {(g.invert - 1000) / 10, 2});
    appendField8(levels, {top / 10, 2});
    out.end();
  }
}

void writeStructureTail(LineWriter& out, int64_t highWater) {
  out.write("BC Design=,, 0 ,, 0 ,,,,,,");
  std::string& line = out.line();
  line = "BC HTab HWMax=";
  appendDecimal(line, highWater, 3);
  out.end();
  out.write("BC Use User HTab Curves=0");
  out.write("BC User HTab FreeFlow(D)= 0 ");
  out.write("");
}

/// A bridge between the section just written (upstream, whose ground it
/// spans) and the next one: deck, piers every few dozen feet of the opening,
/// coefficient lines.
void writeBridge(LineWriter& out, Random& random, std::string_view station, const Ground& g, int64_t distance,
                 int64_t width, int number, std::vector<Number>& scratch) {
  writeNodeHeader(out, 3, station, nullptr);
  if (random.chance(300)) out.write("Node Name=County road bridge");
  if (random.chance(500)) {
    out.write("BEGIN DESCRIPTION:");
    std::string& line = out.line();
    line = "Bridge # ";
    appendInteger(line, number);
    out.end();
    out.write("END DESCRIPTION:");
  }
  writeEditedTime(out, random);
  out.write("Bridge Culvert--1,-1,-1,-1, 0 ");
  Deck deck = makeDeck(random, g);
  writeDeck(out, deck, distance, width, scratch);
  int piers = static_cast<int>(random.between(1, 8));
  int64_t from = deck.station[1];
  int64_t to = deck.station[deck.station.size() - 2];
  for (int k = 1; k <= piers; ++k) writePier(out, random, from + (to - from) * k / (piers + 1), g, deck.top[1]);
  out.write("BR Coef= 1 ,-1 ,-1 ,1.25, 0 ,,0.34,0.8,0,2,0,");
  out.write("WSPro=,,,, 1 ,,,, 0 ,,,, 0 ,,,,-1 ,-1 ,-1 , 0 , 0 , 0 , 0 , 0 ");
  writeStructureTail(out, deck.top[0] + 3000);
}

/// A culvert node: the converter writes only its banner.
void writeCulvert(LineWriter& out, Random& random, std::string_view station, const Ground& g,
                  std::vector<Number>& scratch) {
  writeNodeHeader(out, 2, station, nullptr);
  if (random.chance(500)) {
    out.write("BEGIN DESCRIPTION:");
    out.write(random.chance(500) ? "Twin circular pipe crossing" : "Box culvert under farm road");
    out.write("END DESCRIPTION:");
  }
  writeEditedTime(out, random);
  out.write("Bridge Culvert-0,0,1,-1, 0 ");
  Deck deck = makeDeck(random, g);
  writeDeck(out, deck, random.between(50, 200), random.between(200, 600), scratch);
  int64_t centre = g.station[(g.leftBank + g.rightBank) / 2];
  std::string& line = out.line();
  if (random.chance(500)) {
    line = "Culvert=1,6,,148,0.013,0.5,1,1,3,";
    appendDecimal(line, g.invert, 3);
    line += ',';
    appendDecimal(line, centre, 2);
    line += ',';
    appendDecimal(line, g.invert - 300, 3);
    line += ',';
    appendDecimal(line, centre, 2);
    line += ",Culvert #1  , 0 ,43";
    out.end();
  } else {
    line = "Multiple Barrel Culv=2,3,5,50,0.013,0.2,1,10,2,";
    appendDecimal(line, g.invert, 3);
    line += ',';
    appendDecimal(line, g.invert - 100, 3);
    line += ", 2,Box         , 0 ,5";
    out.end();
    scratch = {stationNumber(centre - 1150), stationNumber(centre - 1150), stationNumber(centre + 1150),
               stationNumber(centre + 1150)};
    writeFieldLines(out, scratch, 10);
  }
  out.write("Culvert Bottom n=0.013");
  writeStructureTail(out, deck.top[0] + 2000);
}

// ---------------------------------------------------------------------------
// Reaches

/// Where the next node of a reach lies, and how far the structures are apart.
struct ReachCursor {
  int64_t riverMile = 0;  // thousandths of a mile
  int64_t invert = 0;     // thousandths of a foot
  int sinceBridge = 0;
  int bridgeGap = 0;
  int sinceCulvert = 0;
  int culvertGap = 0;
  int bridges = 0;
};

/// The river-mile text of a node: three decimals, fewer for long rivers so
/// that a trailing "*" still fits 8 columns.
std::string riverMileText(int64_t thousandths, bool interpolated) {
  std::string text;
  int64_t value = std::max<int64_t>(thousandths, 1);
  if (value < 1000000) {
    appendDecimal(text, value, 3);
  } else {
    appendDecimal(text, value / 10, 2);
  }
  if (interpolated) text += '*';
  return text;
}

/// A length in tenths of a foot as thousandths of a mile, at least 1.
int64_t feetToThousandthsOfMile(int64_t tenthsOfFeet) { return std::max<int64_t>(1, tenthsOfFeet * 10 / 528); }

/// The reach lengths to the next section: at least `minimum` tenths of a foot
/// in the channel, the overbanks a little shorter or longer.
Lengths makeLengths(Random& random, int64_t minimum) {
  Lengths lengths;
  lengths.channel = std::max(minimum, random.between(500, 12000));
  if (random.chance(800)) lengths.channel = lengths.channel / 10 * 10;  // whole feet, as most surveys give
  lengths.left = lengths.channel * random.between(70, 130) / 100 / 10 * 10;
  lengths.right = lengths.channel * random.between(70, 130) / 100 / 10 * 10;
  lengths.left = std::max(lengths.left, minimum);
  lengths.right = std::max(lengths.right, minimum);
  return lengths;
}

/// Writes a reach's nodes until its share of the file is written: cross
/// sections, now and then a bridge (always followed by a section of this
/// reach) or a culvert; the reach ends with a section of zero lengths.
void writeReachNodes(LineWriter& out, Random& random, ReachCursor& cursor, int64_t budget,
                     std::vector<Number>& scratch) {
  int64_t start = out.bytes();
  int sections = 0;
  for (;;) {
    int64_t used = out.bytes() - start;
    int64_t perSection = sections == 0 ? TYPICAL_SECTION_BYTES : used / sections;
    bool last = sections >= 1 && used + perSection >= budget;
    bool bridgeNext = !last && cursor.sinceBridge >= cursor.bridgeGap;
    bool culvertNext = !last && !bridgeNext && cursor.sinceCulvert >= cursor.culvertGap;

    int64_t distance = random.between(50, 400);    // tenths of a foot
    int64_t width = random.between(250, 900);
    SectionHead head;
    head.station = riverMileText(cursor.riverMile, random.chance(300));
    if (!last) head.lengths = makeLengths(random, bridgeNext ? distance + width + 600 : 100);
    Ground ground = makeGround(random, cursor.invert);
    writeCrossSection(out, random, head, ground, scratch);
    ++sections;
    ++cursor.sinceBridge;
    ++cursor.sinceCulvert;
    if (last) return;

    int64_t step = feetToThousandthsOfMile(head.lengths.channel);
    if (bridgeNext) {
      int64_t offset = std::min(step - 1, feetToThousandthsOfMile(distance + width / 2));
      ++cursor.bridges;
      writeBridge(out, random, riverMileText(cursor.riverMile - offset, false), ground, distance, width,
                  cursor.bridges, scratch);
      cursor.sinceBridge = 0;
      cursor.bridgeGap = static_cast<int>(random.between(24, 48));
    } else if (culvertNext) {
      writeCulvert(out, random, riverMileText(cursor.riverMile - step / 2, false), ground, scratch);
      cursor.sinceCulvert = 0;
      cursor.culvertGap = static_cast<int>(random.between(60, 120));
    }
    cursor.riverMile -= step;
    cursor.invert = std::max<int64_t>(20000, cursor.invert - head.lengths.channel * random.between(5, 30) / 100);
  }
}

/// The river mile and invert at the top of a reach, so that both stay
/// positive over the sections its share of the file holds.
void startReach(Random& random, ReachCursor& cursor, int64_t budget) {
  int64_t sections = budget / TYPICAL_SECTION_BYTES + 2;
  cursor.riverMile = sections * 240 + random.between(500, 20000);  // twice the mean section spacing
  cursor.invert = random.between(300000, 2500000);
}

// ---------------------------------------------------------------------------
// The whole file

/// Reaches for a file of this size: one per 400 kB, 1 to 500.
int reachCountFor(int64_t targetBytes) {
  int64_t count = (targetBytes + BYTES_PER_REACH / 2) / BYTES_PER_REACH;
  return static_cast<int>(std::clamp<int64_t>(count, 1, MAX_REACHES));
}

void writeFileTail(LineWriter& out) {
  out.write("Chan Stop Cuts=-1");
  out.write("");
  out.write("Use User Specified Reach Order=0");
  out.write("GIS Ratio Cuts To Invert=-1");
  out.write("GIS Limit At Bridges=0");
  out.write("Composite Channel Slope=5");
}

bool generate(uint64_t seed, int64_t targetBytes, bool crlf) {
  Random random(seed);
  LineWriter out(crlf);
  Network network = buildNetwork(random, reachCountFor(targetBytes));
  std::vector<Number> scratch;

  writeFileHead(out, seed);
  for (const Junction& junction : network.junctions) writeJunction(out, random, network, junction);

  ReachCursor cursor;
  cursor.bridgeGap = static_cast<int>(random.between(24, 48));
  cursor.culvertGap = static_cast<int>(random.between(60, 120));
  constexpr int64_t tailBytes = 160;
  size_t reaches = network.reaches.size();
  for (size_t i = 0; i < reaches; ++i) {
    int64_t budget = (targetBytes - tailBytes - out.bytes()) / static_cast<int64_t>(reaches - i);
    writeReachHeader(out, random, network.reaches[i]);
    startReach(random, cursor, budget);
    writeReachNodes(out, random, cursor, budget, scratch);
  }
  writeFileTail(out);
  return out.flush();
}

// ---------------------------------------------------------------------------
// Command line

struct Options {
  uint64_t seed = 1;
  double megabytes = 0;
  bool crlf = false;
};

int usage() {
  std::fputs("usage: tolvane_generate --seed N --megabytes M [--crlf] > file.geo\n"
             "  writes a geometry file of about M megabytes (10^6 bytes), the same for the same N and M\n",
             stderr);
  return 2;
}

bool parseOptions(int argc, char** argv, Options& options) {
  bool haveSize = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--crlf") {
      options.crlf = true;
    } else if (arg == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      options.seed = std::strtoull(argv[++i], &end, 10);
      if (*end != '\0') return false;
    } else if (arg == "--megabytes" && i + 1 < argc) {
      char* end = nullptr;
      options.megabytes = std::strtod(argv[++i], &end);
      if (*end != '\0' || !(options.megabytes > 0) || options.megabytes > 100000) return false;
      haveSize = true;
    } else {
      return false;
    }
  }
  return haveSize;
}

}  // namespace
}  // namespace tolvane::bench

int main(int argc, char** argv) {
  tolvane::bench::Options options;
  if (!tolvane::bench::parseOptions(argc, argv, options)) return tolvane::bench::usage();
  int64_t targetBytes = static_cast<int64_t>(options.megabytes * 1e6 + 0.5);
  if (!tolvane::bench::generate(options.seed, targetBytes, options.crlf)) {
    std::fputs("tolvane_generate: write error\n", stderr);
    return 1;
  }
  return 0;
}
