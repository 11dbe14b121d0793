#pragma once

#include <string>

#include "platform/resources/ModulePicture.h"

// The encoders of the picture files a project gets. The build runs them
// once (tools/EmbedPictureFiles.cpp); the program carries their bytes as
// constant data (EmbeddedPictureFiles.h).
namespace vantrel {

// The Windows bitmap file of a picture at 4 bits per pixel with the standard
// 16-colour palette: the 14-byte file header, the BITMAPINFOHEADER, the
// colour table, then the rows bottom-up. A 144 x 15 picture gives 1,198
// bytes with the pixels from byte 118 on.
std::string EncodeBitmapFile(const ModulePicture& picture);

// The icon file holding a picture as its one image at 4 bits per pixel: the
// 6-byte header, one 16-byte directory entry, then the image (its
// BITMAPINFOHEADER with the height doubled, the colour table, the colour
// rows and the transparency mask). A 32 x 32 icon gives 766 bytes, the image
// being 744 of them from byte 22 on. Width and height must be below 256.
std::string EncodeIconFile(const ModulePicture& picture);

}  // namespace vantrel
