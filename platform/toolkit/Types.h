#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// How a modal form or a message box ended.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

// A font as a form description names it; the rendering is the backend's.
struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = 11;  // Character height in pixels.
  bool Bold = false;
  bool operator==(const TFont&) const = default;
};

// Place and size in pixels at 96 dots per inch, relative to the parent's
// client area.
struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TBounds&) const = default;
};

// What a control is; a backend renders by kind.
enum class ControlKind {
  Form,
  Button,
  Label,
  Edit,
  RadioButton,
  CheckBox,
  ComboBox,
  ListBox,
  CheckListBox,
  PageControl,
  TabSheet,
  Panel,
  Image,
  Memo,
  UpDown,
  DriveComboBox,
  DirectoryListBox,
};

// The keys a user presses besides typing characters.
enum class Key { Enter, Tab, ShiftTab, Backspace, Escape, Space, Up, Down, Home, End };

// Characters as key-press handlers receive them.
inline constexpr char kCharEnter = 13;
inline constexpr char kCharBackspace = 8;
inline constexpr char kCharEscape = 27;

// Pixels of a picture, row by row, each 0xAARRGGBB.
struct Pixmap {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
};

}  // namespace vantrel
