#pragma once

#include <windows.h>

#include "apps/vantrel-host/Gallery.h"

namespace vantrel::hostapp {

// The gallery of new items: a "New" page listing each expert of that page in
// a list view by its glyph and name, with the comment of the selected one
// below. Shown modally over owner; returns the expert picked with OK (or
// Enter) or a double click, or nullptr for Cancel.
const GalleryEntry* PickFromGallery(const Gallery& gallery, HWND owner);

}  // namespace vantrel::hostapp
