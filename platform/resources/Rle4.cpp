#include "platform/resources/Rle4.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vantrel::rle4 {
namespace {

constexpr int kMaxCount = 255;
constexpr int kFewestGiven = 3;  // Counts below this after a 0 are escapes.
constexpr char kPixelCharacters[] = "0123456789ABCDEF";

// Bytes of a run of n pixels given one by one: the escape and the count,
// then two pixels a byte, padded to an even number of bytes.
int GivenBytes(int n) { return 2 + (n + 3) / 4 * 2; }

void Put(std::string& out, int byte) { out += static_cast<char>(byte); }

// One row of palette indices, compressed. Every way of cutting the row into
// runs is weighed from its end backwards (cost[i] is the fewest bytes for
// the pixels from i on), so the choice at each pixel is the best one.
void EncodeRow(std::string& out, const std::vector<int>& row) {
  const int width = static_cast<int>(row.size());
  struct Step {
    int bytes = 0;
    int count = 0;
    bool given = false;
  };
  std::vector<Step> best(static_cast<std::size_t>(width) + 1);
  for (int i = width - 1; i >= 0; --i) {
    auto& step = best[static_cast<std::size_t>(i)];
    step.bytes = -1;
    // The longest run from i that alternates row[i] and row[i + 1].
    int alternating = 1;
    while (i + alternating < width && alternating < kMaxCount &&
           row[static_cast<std::size_t>(i + alternating)] == row[static_cast<std::size_t>(i + alternating % 2)])
      ++alternating;
    const auto consider = [&](int count, bool given, int bytes) {
      const int total = bytes + best[static_cast<std::size_t>(i + count)].bytes;
      if (step.bytes < 0 || total < step.bytes) step = {total, count, given};
    };
    for (int n = 1; n <= alternating; ++n) consider(n, false, 2);
    for (int n = kFewestGiven; n <= std::min(kMaxCount, width - i); ++n) consider(n, true, GivenBytes(n));
  }
  for (int i = 0; i < width;) {
    const Step& step = best[static_cast<std::size_t>(i)];
    if (step.given) {
      Put(out, 0);
      Put(out, step.count);
      const std::size_t start = out.size();
      for (int k = 0; k < step.count; k += 2) {
        const int low = k + 1 < step.count ? row[static_cast<std::size_t>(i + k + 1)] : 0;
        Put(out, row[static_cast<std::size_t>(i + k)] << 4 | low);
      }
      if ((out.size() - start) % 2 != 0) Put(out, 0);
    } else {
      const int second = step.count > 1 ? row[static_cast<std::size_t>(i + 1)] : row[static_cast<std::size_t>(i)];
      Put(out, step.count);
      Put(out, row[static_cast<std::size_t>(i)] << 4 | second);
    }
    i += step.count;
  }
}

}  // namespace

std::string Encode(const ModulePicture& picture) {
  std::string out;
  std::vector<int> row(static_cast<std::size_t>(picture.width));
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) row[static_cast<std::size_t>(x)] = std::max(picture.Pixel(x, y), 0);
    EncodeRow(out, row);
    Put(out, 0);
    Put(out, y == 0 ? 1 : 0);
  }
  return out;
}

std::optional<std::string> Decode(std::string_view data, int width, int height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  std::string pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), '0');
  int x = 0;
  int row = 0;  // Counted from the bottom, as the data runs.
  std::size_t at = 0;
  const auto next = [&] { return static_cast<unsigned char>(data[at++]); };
  // Sets the pixel at x in the current row and moves on; false when it lies
  // outside the picture.
  const auto put = [&](int index) {
    if (x >= width || row >= height) return false;
    pixels[static_cast<std::size_t>(height - 1 - row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x++)] =
        kPixelCharacters[index];
    return true;
  };
  while (at + 2 <= data.size()) {
    const int count = next();
    const int second = next();
    if (count > 0) {
      for (int k = 0; k < count; ++k)
        if (!put(k % 2 == 0 ? second >> 4 : second & 0x0F)) return std::nullopt;
    } else if (second == 0) {
      x = 0;
      ++row;
    } else if (second == 1) {
      return pixels;
    } else if (second == 2) {
      if (at + 2 > data.size()) return std::nullopt;
      x += next();
      row += next();
      if (x > width || row >= height) return std::nullopt;
    } else {
      const std::size_t bytes = static_cast<std::size_t>(GivenBytes(second) - 2);
      if (at + bytes > data.size()) return std::nullopt;
      for (int k = 0; k < second; ++k) {
        const auto pair = static_cast<unsigned char>(data[at + static_cast<std::size_t>(k / 2)]);
        if (!put(k % 2 == 0 ? pair >> 4 : pair & 0x0F)) return std::nullopt;
      }
      at += bytes;
    }
  }
  return std::nullopt;
}

}  // namespace vantrel::rle4
