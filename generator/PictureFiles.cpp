#include "generator/PictureFiles.h"

#include "generator/DeviceIndependentBitmap.h"
#include "generator/LittleEndian.h"
#include "platform/resources/Rle4.h"

namespace vantrel {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kIconHeaderSize = 6;
constexpr std::uint32_t kIconEntrySize = 16;

}  // namespace

std::string BitmapFileHeader(std::uint32_t dibBytes, std::uint32_t rowsOffset) {
  std::string out;
  out += "BM";
  le::Put32(out, kFileHeaderSize + dibBytes);
  le::Put16(out, 0);
  le::Put16(out, 0);
  le::Put32(out, kFileHeaderSize + rowsOffset);
  return out;
}

std::string IconFileHeader(int width, int height, std::uint32_t imageBytes) {
  std::string out;
  le::Put16(out, 0);  // Reserved.
  le::Put16(out, 1);  // An icon, not a cursor.
  le::Put16(out, 1);  // One image.

  // The directory entry: the word after width and height holds planes times
  // bits per pixel, and the planes and bit-count words stay zero.
  le::Put8(out, static_cast<std::uint32_t>(width));
  le::Put8(out, static_cast<std::uint32_t>(height));
  le::Put16(out, 1 * 4);
  le::Put16(out, 0);
  le::Put16(out, 0);
  le::Put32(out, imageBytes);
  le::Put32(out, kIconHeaderSize + kIconEntrySize);
  return out;
}

std::string EncodeBitmapFile(const ModulePicture& picture) {
  const std::uint32_t rowsOffset = dib::kInfoHeaderSize + dib::kColourTableSize;
  const std::uint32_t imageBytes = dib::RowBytes(picture.width, 4) * static_cast<std::uint32_t>(picture.height);
  std::string out = BitmapFileHeader(rowsOffset + imageBytes, rowsOffset);
  dib::PutInfoHeader(out, picture.width, picture.height, imageBytes);
  dib::PutColourTable(out);
  dib::PutColourRows(out, picture);
  return out;
}

std::string EncodeCompressedBitmapFile(const ModulePicture& picture) {
  const std::uint32_t rowsOffset = dib::kInfoHeaderSize + dib::kColourTableSize;
  const std::string rows = rle4::Encode(picture);
  const auto imageBytes = static_cast<std::uint32_t>(rows.size());
  std::string out = BitmapFileHeader(rowsOffset + imageBytes, rowsOffset);
  dib::PutInfoHeader(out, picture.width, picture.height, imageBytes, dib::Compression::kRle4);
  dib::PutColourTable(out);
  out += rows;
  return out;
}

std::string EncodeIconFile(const ModulePicture& picture) {
  const auto height = static_cast<std::uint32_t>(picture.height);
  const std::uint32_t colourBytes = dib::RowBytes(picture.width, 4) * height;
  const std::uint32_t maskBytes = dib::RowBytes(picture.width, 1) * height;
  const std::uint32_t imageBytes = dib::kInfoHeaderSize + dib::kColourTableSize + colourBytes + maskBytes;

  std::string out = IconFileHeader(picture.width, picture.height, imageBytes);

  // The image: its header counts the colour rows and the mask rows together.
  dib::PutInfoHeader(out, picture.width, picture.height * 2, colourBytes + maskBytes);
  dib::PutColourTable(out);
  dib::PutColourRows(out, picture);
  dib::PutMaskRows(out, picture);
  return out;
}

}  // namespace vantrel
