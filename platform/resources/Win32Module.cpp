#include "platform/resources/Win32Module.h"

#include <cstring>

namespace vantrel {
namespace {

// The directory of an icon group as a resource stores it: a header, then
// one entry per image with the image's resource number.
#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

}  // namespace

std::string_view ModuleResource(LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceA(ThisModule(), name, type);
  HGLOBAL loaded = found != nullptr ? LoadResource(ThisModule(), found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const char*>(bytes), SizeofResource(ThisModule(), found)};
}

std::string_view ModuleIconImage(LPCSTR name) {
  const std::string_view group = ModuleResource(name, RT_GROUP_ICON);
  GroupIconHeader header{};
  GroupIconEntry entry{};
  if (group.size() < sizeof header + sizeof entry) return {};
  std::memcpy(&header, group.data(), sizeof header);
  std::memcpy(&entry, group.data() + sizeof header, sizeof entry);
  if (header.count == 0) return {};
  return ModuleResource(MAKEINTRESOURCEA(entry.id), RT_ICON);
}

}  // namespace vantrel
