#include "apps/vantrel-host/Gallery.h"

#include "host/HostString.h"

namespace vantrel::hostapp {
namespace {

std::string Ask(TIExpert& expert, void (HOST_CALL TIExpert::*operation)(HostStr*)) {
  HostString result;
  (expert.*operation)(result.out());
  return result.str();
}

}  // namespace

Gallery::~Gallery() { Clear(); }

void Gallery::Clear() {
  for (auto& entry : entries_) entry.expert->Release();
  entries_.clear();
}

void Gallery::Add(TIExpert* expert) {
  if (expert == nullptr) return;
  GalleryEntry entry;
  entry.expert = expert;
  entry.page = Ask(*expert, &TIExpert::GetPage);
  entry.name = Ask(*expert, &TIExpert::GetName);
  entry.comment = Ask(*expert, &TIExpert::GetComment);
  entry.author = Ask(*expert, &TIExpert::GetAuthor);
  entry.id = Ask(*expert, &TIExpert::GetIDString);
  entry.style = expert->GetStyle();
  entry.glyph = expert->GetGlyph();
  entries_.push_back(std::move(entry));
}

std::vector<const GalleryEntry*> Gallery::Page(const std::string& page) const {
  std::vector<const GalleryEntry*> found;
  for (const auto& entry : entries_)
    if (entry.page == page) found.push_back(&entry);
  return found;
}

std::vector<std::string> Gallery::ListLines() const {
  std::vector<std::string> lines;
  for (const auto& e : entries_)
    lines.push_back(e.page + " | " + e.name + " | " + e.comment + " | " + e.id + " | " +
                    std::to_string(static_cast<int>(e.style)) + " (" + StyleName(e.style) + ")");
  return lines;
}

std::string StyleName(TExpertStyle style) {
  switch (style) {
    case TExpertStyle::Standard: return "standard";
    case TExpertStyle::Form: return "form";
    case TExpertStyle::Project: return "project";
    case TExpertStyle::AddIn: return "add-in";
  }
  return "unknown";
}

}  // namespace vantrel::hostapp
