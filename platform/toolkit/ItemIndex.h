#pragma once

#include <cstddef>
#include <optional>

#include "platform/toolkit/Types.h"

namespace vantrel {

// Whether index names one of count entries.
inline bool IsItemIndex(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

// The entry a navigation key moves a one-selection list to, from current
// (-1 for no selection) among count entries: Up and Down move by one and
// stop at the ends, either of them starting at the first entry when none is
// selected; Home and End go to the ends. Empty for any other key and for an
// empty list, which use no key. The list boxes, combo boxes and drive boxes
// all move this way.
std::optional<int> NavigatedIndex(Key key, int current, std::size_t count);

}  // namespace vantrel
