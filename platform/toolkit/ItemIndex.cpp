#include "platform/toolkit/ItemIndex.h"

#include <algorithm>

namespace vantrel {

std::optional<int> NavigatedIndex(Key key, int current, std::size_t count) {
  if (count == 0) return std::nullopt;
  const int last = static_cast<int>(count) - 1;
  switch (key) {
    case Key::Up: return std::max(0, current - 1);
    case Key::Down: return std::min(last, current + 1);
    case Key::Home: return 0;
    case Key::End: return last;
    default: return std::nullopt;
  }
}

}  // namespace vantrel
