#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantrel {

// Raised by the file-system layer when a file or a directory cannot be used
// as a run needs it. It names the full path as the operating system spells it
// and the reason in the system's own words ("Permission denied"), or one of
// the fixed reasons below for what the system does not refuse by itself.
class FileError : public std::runtime_error {
 public:
  enum class Kind {
    CannotCreate,  // A file cannot be created or put in place.
    Incomplete,    // A file cannot be written completely.
    Exists,        // A file is there already and may not be replaced (kFileExists).
    BadDirectory,  // A directory cannot be written into.
    Busy,          // Another run holds the directory's lock (kAnotherRun).
  };

  FileError(Kind kind, std::string path, std::string reason);

  Kind kind() const { return kind_; }
  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

  // The message as the user sees it: what could not be done, the path, and
  // why. Control characters of the path are escaped.
  static std::string MessageFor(Kind kind, const std::string& path, const std::string& reason);

 private:
  Kind kind_;
  std::string path_;
  std::string reason_;
};

// The reasons every file layer gives for the refusals that are its own
// rules rather than the operating system's.
inline constexpr std::string_view kReadOnlyFile = "read-only file";
inline constexpr std::string_view kFileExists = "the file exists already";
inline constexpr std::string_view kAnotherRun = "another run is writing into it";
inline constexpr std::string_view kNotRegularFile = "not a regular file";
// A link is named as each system names it: on Windows a directory link is
// a reparse point (a symbolic link or a junction).
#ifdef _WIN32
inline constexpr std::string_view kLinkedDirectory = "a link (reparse point), which a run never writes through";
inline constexpr std::string_view kInLinkedDirectory =
    "its directory is a link (reparse point), which a run never writes through";
#else
inline constexpr std::string_view kLinkedDirectory = "a symbolic link, which a run never writes through";
inline constexpr std::string_view kInLinkedDirectory =
    "its directory is a symbolic link, which a run never writes through";
#endif
// Why a run that keeps a journal cannot start: another file has its name,
// or a killed run's journal names a file that could not be put back.
inline constexpr std::string_view kNotAJournal =
    "the run needs this name for its journal, and the file there is not a journal it could take back whole";
inline constexpr std::string_view kCannotReadOldFile =
    "Permission denied to read it, which keeping its access control list and attributes needs";
inline constexpr std::string_view kCannotLockUnreadable =
    "Permission denied to read it, which locking it against other runs needs";

// The reason a path is refused for its length: by how many characters the
// longest path used for it (temporaries included) is over the system's limit.
std::string PathTooLongReason(std::size_t overrun);

// Whether text is shown as UTF-8 here (on Windows it is in the ANSI code
// page, whose bytes 0x80 to 0x9F are characters or lead bytes).
#if defined(_WIN32)
inline constexpr bool kTextIsUtf8 = false;
#else
inline constexpr bool kTextIsUtf8 = true;
#endif

// Text as it may be echoed to a terminal or a message box: each control
// character becomes "\xNN": bytes below 0x20 and 0x7F, and where text is
// UTF-8 the C1 controls U+0080 to U+009F (each byte of their encoding) and
// the bytes 0x80 to 0x9F that are not part of a valid UTF-8 sequence. Other
// bytes, the backslash and bytes of a code page's multi-byte characters
// included, stay.
std::string EscapeControls(std::string_view text);

}  // namespace vantrel
