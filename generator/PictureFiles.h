#pragma once

#include <cstdint>
#include <string>

#include "platform/resources/ModulePicture.h"

// The encoders of the picture files a project gets. On Linux the build runs
// them once (tools/EmbedPictureFiles.cpp) and the program carries their
// bytes as constant data; on Windows the same files are compiled into the
// module as its resources, and a run puts the headers below back in front
// of what the module holds (PictureFileBytesWin32.cpp).
namespace vantrel {

// The 14-byte header of a bitmap file: "BM", the file's size, the offset of
// the rows. dibBytes counts what follows it (the BITMAPINFOHEADER, the
// colour table and the rows), rowsOffset where the rows start in that.
std::string BitmapFileHeader(std::uint32_t dibBytes, std::uint32_t rowsOffset);

// The 6-byte header of an icon file with one image and that image's 16-byte
// directory entry; the image (imageBytes long) follows at byte 22. Width
// and height are the picture's, below 256.
std::string IconFileHeader(int width, int height, std::uint32_t imageBytes);

// The Windows bitmap file of a picture at 4 bits per pixel with the standard
// 16-colour palette: the 14-byte file header, the BITMAPINFOHEADER, the
// colour table, then the rows bottom-up. A 144 x 15 picture gives 1,198
// bytes with the pixels from byte 118 on.
std::string EncodeBitmapFile(const ModulePicture& picture);

// The same bitmap file with its rows compressed (BI_RLE4, see
// platform/resources/Rle4.h); the picture must have no transparent pixels.
// The Windows module carries the pictures that only the dialogs show so.
std::string EncodeCompressedBitmapFile(const ModulePicture& picture);

// The icon file holding a picture as its one image at 4 bits per pixel: the
// 6-byte header, one 16-byte directory entry, then the image (its
// BITMAPINFOHEADER with the height doubled, the colour table, the colour
// rows and the transparency mask). A 32 x 32 icon gives 766 bytes, the image
// being 744 of them from byte 22 on. Width and height must be below 256.
std::string EncodeIconFile(const ModulePicture& picture);

}  // namespace vantrel
