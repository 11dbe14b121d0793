// The three picture files a project gets are pinned byte for byte by the
// golden files, on Linux and on Windows; what is left is the compressed
// bitmap file of the pictures only the dialogs show, and the lookup.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "generator/PictureFileBytes.h"
#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"
#include "platform/resources/Rle4.h"

namespace vantrel {
namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) value = value << 8 | static_cast<unsigned char>(b.at(at + i));
  return value;
}

// The compressed file's header names its compression and the rows' size,
// which Windows reads instead of width times height.
TEST(PictureFiles, TheCompressedBitmapFileNamesItsCompressionAndSizes) {
  const ModulePicture& picture = *FindModuleBitmap("BACKIMAGE");
  const std::string file = EncodeCompressedBitmapFile(picture), rows = rle4::Encode(picture);
  EXPECT_EQ((std::vector<std::uint32_t>{U32(file, 2), U32(file, 10), U32(file, 14 + 16), U32(file, 14 + 20)}),
            (std::vector<std::uint32_t>{static_cast<std::uint32_t>(file.size()), 118, 2,
                                        static_cast<std::uint32_t>(rows.size())}));
  EXPECT_EQ(file.substr(118), rows);
}

// A picture of the other kind, or none, gives no file.
TEST(PictureFiles, OnlyAPictureOfItsKindGivesAFile) {
  EXPECT_EQ(PictureFileBytes({"TOOLBAR", true}), "");
  EXPECT_EQ(PictureFileBytes({"NOSUCH", false}), "");
  EXPECT_NE(PictureFileBytes({"TOOLBAR", false}), "");
}

}  // namespace
}  // namespace vantrel
