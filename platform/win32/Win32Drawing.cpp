#include "platform/win32/Win32Drawing.h"

#include <string>
#include <vector>

#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/Image.h"

namespace vantrel::win32 {
namespace {

constexpr int kPictureSize = 16;
constexpr int kIndent = 10;  // Per level of a directory list.

// Colours of the small pictures, as the classic desktop's folders and drives.
constexpr COLORREF kFolder = RGB(255, 255, 0);
constexpr COLORREF kFolderShade = RGB(128, 128, 0);
constexpr COLORREF kOutline = RGB(0, 0, 0);
constexpr COLORREF kDrive = RGB(192, 192, 192);
constexpr COLORREF kLight = RGB(0, 255, 0);

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  const RECT r{left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Frame(HDC dc, int left, int top, int right, int bottom, COLORREF fill) {
  Fill(dc, left, top, right, bottom, kOutline);
  Fill(dc, left + 1, top + 1, right - 1, bottom - 1, fill);
}

// A folder, 16 x 16 at (x, y): closed, or open with its front flap.
void DrawFolder(HDC dc, int x, int y, bool open) {
  Frame(dc, x + 1, y + 3, x + 7, y + 6, kFolder);  // The tab.
  Frame(dc, x + 1, y + 4, x + 15, y + 14, kFolder);
  if (open) {
    Fill(dc, x + 2, y + 7, x + 14, y + 13, kFolderShade);
    Frame(dc, x + 3, y + 7, x + 16, y + 14, kFolder);
  }
}

// A fixed drive, 16 x 16 at (x, y), with its light.
void DrawDrive(HDC dc, int x, int y) {
  Frame(dc, x + 1, y + 5, x + 15, y + 12, kDrive);
  Fill(dc, x + 11, y + 8, x + 13, y + 10, kLight);
}

void DrawPicture(const TImage& image, const DRAWITEMSTRUCT& item) {
  const Pixmap& pixels = image.Canvas().Pixels();
  if (pixels.Width <= 0 || pixels.Height <= 0) return;
  // The canvas is 0xAARRGGBB row by row, top first: a top-down 32-bit DIB.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixels.Width;
  info.bmiHeader.biHeight = -pixels.Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(item.hDC, 0, 0, static_cast<DWORD>(pixels.Width), static_cast<DWORD>(pixels.Height), 0, 0, 0,
                    static_cast<UINT>(pixels.Height), pixels.Pixels.data(), &info, DIB_RGB_COLORS);
}

// The text of row index of a list or combo box.
std::string RowText(const DRAWITEMSTRUCT& item) {
  const bool combo = item.CtlType == ODT_COMBOBOX;
  const auto length = SendMessageA(item.hwndItem, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, item.itemID, 0);
  if (length <= 0) return "";
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(item.hwndItem, combo ? CB_GETLBTEXT : LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The background and text colours of a row, selected or not, and its text
// from x on.
void DrawRowText(const DRAWITEMSTRUCT& item, int x, const std::string& text, bool selectable) {
  const bool selected = selectable && (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT area = item.rcItem;
  area.left = x;
  HBRUSH background = GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  FillRect(item.hDC, &area, background);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  area.left += 2;
  DrawTextA(item.hDC, text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (selected && (item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

void DrawCheckRow(const TCheckListBox& list, const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  const int size = item.rcItem.bottom - item.rcItem.top - 2;
  RECT box{item.rcItem.left + 1, item.rcItem.top + 1, item.rcItem.left + 1 + size, item.rcItem.top + 1 + size};
  UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
  if (list.Checked(static_cast<int>(item.itemID))) state |= DFCS_CHECKED;
  if ((item.itemState & ODS_DISABLED) != 0) state |= DFCS_INACTIVE;
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, state);
  DrawRowText(item, box.right + 2, RowText(item), true);
}

void DrawDirectoryRow(const TDirectoryListBox& list, const DRAWITEMSTRUCT& item) {
  const auto row = static_cast<std::size_t>(item.itemID);
  const std::vector<int>& levels = list.ItemLevels();
  const int level = row < levels.size() ? levels[row] : 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  // The rows down to the directory shown are open folders; its
  // subdirectories, below it, are closed ones.
  std::size_t shown = 0;
  for (std::size_t i = 0; i < list.ItemPaths().size(); ++i)
    if (list.ItemPaths()[i] == list.Directory()) shown = i;
  const int x = item.rcItem.left + 2 + level * kIndent;
  const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kPictureSize) / 2;
  DrawFolder(item.hDC, x, y, row <= shown);
  DrawRowText(item, x + kPictureSize + 2, RowText(item), true);
}

void DrawDriveEntry(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  const int x = item.rcItem.left + 2;
  const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kPictureSize) / 2;
  DrawDrive(item.hDC, x, y);
  DrawRowText(item, x + kPictureSize + 2, RowText(item), true);
}

}  // namespace

void DrawItem(const TControl& control, const DRAWITEMSTRUCT& item) {
  if (const auto* image = dynamic_cast<const TImage*>(&control)) {
    DrawPicture(*image, item);
    return;
  }
  if (item.itemID == static_cast<UINT>(-1)) {
    // An empty list or box: only its background, and its focus.
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    return;
  }
  if (const auto* checks = dynamic_cast<const TCheckListBox*>(&control)) {
    DrawCheckRow(*checks, item);
  } else if (const auto* dirs = dynamic_cast<const TDirectoryListBox*>(&control)) {
    DrawDirectoryRow(*dirs, item);
  } else {
    DrawDriveEntry(item);
  }
}

}  // namespace vantrel::win32
