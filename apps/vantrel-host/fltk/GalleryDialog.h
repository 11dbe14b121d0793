#pragma once

#include "apps/vantrel-host/Gallery.h"

namespace vantrel::hostapp {

// The gallery of new items: a "New" page listing each expert of that page
// by glyph and name, with the comment of the selected one below. Shown
// modally over parent; returns the expert picked with OK or a double click,
// or nullptr for Cancel.
const GalleryEntry* PickFromGallery(const Gallery& gallery);

}  // namespace vantrel::hostapp
