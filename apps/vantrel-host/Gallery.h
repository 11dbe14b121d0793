#pragma once

#include <string>
#include <vector>

#include "host/TIExpert.h"

namespace vantrel::hostapp {

using namespace vantrel::host;

// One item of the gallery of new items, as the expert describes itself.
struct GalleryEntry {
  TIExpert* expert = nullptr;  // One reference held by the gallery.
  std::string page;
  std::string name;
  std::string comment;
  std::string author;
  std::string id;
  TExpertStyle style = TExpertStyle::Standard;
  HostIconHandle glyph = nullptr;
};

// The experts registered with the host, in the order they registered.
class Gallery {
 public:
  Gallery() = default;
  Gallery(const Gallery&) = delete;
  Gallery& operator=(const Gallery&) = delete;
  // Drops the host's reference to every expert.
  ~Gallery();

  // Drops the host's reference to every expert and forgets them.
  void Clear();

  // Takes over the expert's first reference and asks it for its identity.
  void Add(TIExpert* expert);

  const std::vector<GalleryEntry>& Entries() const { return entries_; }
  // The entries of one page, in order.
  std::vector<const GalleryEntry*> Page(const std::string& page) const;

  // One line per entry: page, name, comment, identifier and style,
  // separated by " | ".
  std::vector<std::string> ListLines() const;

 private:
  std::vector<GalleryEntry> entries_;
};

// The style as a word: "standard", "form", "project", "add-in".
std::string StyleName(TExpertStyle style);

}  // namespace vantrel::hostapp
