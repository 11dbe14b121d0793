#include "host/HostString.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <new>

#include "host/HostStringMemory.h"

namespace vantrel::host {
namespace {

// The two 32-bit fields that precede the characters.
struct Header {
  std::int32_t refCount;
  std::int32_t length;
};

static_assert(sizeof(Header) == 8 && offsetof(Header, length) == 4,
              "the count sits 8 bytes and the length 4 bytes before the characters");

Header* HeaderOf(HostStr s) { return reinterpret_cast<Header*>(s - sizeof(Header)); }

}  // namespace

HostStr HostStrNew(std::string_view text) {
  if (text.empty()) return nullptr;
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - sizeof(Header) - 1)
    throw std::bad_alloc();
  auto* block = static_cast<char*>(HostStrAllocate(sizeof(Header) + text.size() + 1));
  if (block == nullptr) throw std::bad_alloc();
  auto* header = reinterpret_cast<Header*>(block);
  header->refCount = 1;
  header->length = static_cast<std::int32_t>(text.size());
  char* chars = block + sizeof(Header);
  std::memcpy(chars, text.data(), text.size());
  chars[text.size()] = '\0';
  return chars;
}

void HostStrAddRef(HostStr s) {
  if (s != nullptr) ++HeaderOf(s)->refCount;
}

void HostStrRelease(HostStr s) {
  if (s == nullptr) return;
  Header* header = HeaderOf(s);
  if (--header->refCount == 0) HostStrFree(header);
}

std::size_t HostStrLength(HostStr s) {
  return s == nullptr ? 0 : static_cast<std::size_t>(HeaderOf(s)->length);
}

std::int32_t HostStrRefCount(HostStr s) { return s == nullptr ? 0 : HeaderOf(s)->refCount; }

std::string_view HostStrView(HostStr s) { return {s == nullptr ? "" : s, HostStrLength(s)}; }

void HostStrAssign(HostStr* result, std::string_view text) {
  HostStr fresh = HostStrNew(text);  // Made first: text may live in *result.
  HostStrRelease(*result);
  *result = fresh;
}

HostString& HostString::operator=(const HostString& other) {
  HostStrAddRef(other.s_);
  HostStrRelease(s_);
  s_ = other.s_;
  return *this;
}

}  // namespace vantrel::host
