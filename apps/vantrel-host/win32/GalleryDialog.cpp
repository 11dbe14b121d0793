#include "apps/vantrel-host/win32/GalleryDialog.h"

#include <commctrl.h>

#include <vector>

#include "apps/vantrel-host/win32/HostWindowing.h"

namespace vantrel::hostapp {
namespace {

constexpr const char* kPage = "New";
constexpr int kListId = 100;
constexpr int kCommentId = 101;
constexpr int kTabsId = 102;

struct GalleryState {
  std::vector<const GalleryEntry*> entries;
  HWND list = nullptr;
  HWND comment = nullptr;
  HWND ok = nullptr;
  const GalleryEntry* picked = nullptr;
  bool done = false;
};

const GalleryEntry* Selected(const GalleryState& state) {
  const auto item = static_cast<int>(SendMessageA(state.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                  LVNI_SELECTED));
  if (item < 0 || item >= static_cast<int>(state.entries.size())) return nullptr;
  return state.entries[static_cast<std::size_t>(item)];
}

void ShowComment(GalleryState& state) {
  const GalleryEntry* entry = Selected(state);
  SetWindowTextA(state.comment, entry != nullptr ? entry->comment.c_str() : "");
  EnableWindow(state.ok, entry != nullptr);
}

void Pick(GalleryState& state) {
  state.picked = Selected(state);
  state.done = state.picked != nullptr;
}

LRESULT GalleryProc(void* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& state = *static_cast<GalleryState*>(self);
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) Pick(state);
      if (LOWORD(wParam) == IDCANCEL) state.done = true;
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kListId && header->code == LVN_ITEMCHANGED) ShowComment(state);
      if (header->idFrom == kListId && header->code == NM_DBLCLK) Pick(state);
      return 0;
    }
    case WM_CLOSE:
      state.done = true;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// The glyphs, one per entry in the entries' order, as 32x32 icons.
HIMAGELIST Glyphs(const std::vector<const GalleryEntry*>& entries) {
  HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, static_cast<int>(entries.size()), 0);
  HICON blank = LoadIconA(nullptr, IDI_APPLICATION);
  for (const auto* entry : entries) ImageList_AddIcon(images, entry->glyph != nullptr ? entry->glyph : blank);
  return images;
}

}  // namespace

const GalleryEntry* PickFromGallery(const Gallery& gallery, HWND owner) {
  GalleryState state;
  state.entries = gallery.Page(kPage);

  HWND window = CreateHostWindow("New Items", WS_POPUP | WS_CAPTION | WS_SYSMENU, 480, 360, owner, nullptr,
                                 GalleryProc, &state);
  HWND tabs = CreateControl(window, WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 8, 8, 464, 300, kTabsId);
  TCITEMA tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<char*>(kPage);
  SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tab));
  state.list = CreateControl(window, WC_LISTVIEWA, "",
                             WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE, 16, 40,
                             448, 200, kListId, WS_EX_CLIENTEDGE);
  state.comment = CreateControl(window, "STATIC", "", SS_LEFT, 16, 248, 448, 50, kCommentId);
  state.ok = CreateControl(window, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 288, 320, 88, 28, IDOK);
  CreateControl(window, "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, 384, 320, 88, 28, IDCANCEL);
  // The list keeps the image list and destroys it with itself.
  SendMessageA(state.list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(Glyphs(state.entries)));

  for (std::size_t i = 0; i < state.entries.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.iImage = static_cast<int>(i);
    item.pszText = const_cast<char*>(state.entries[i]->name.c_str());
    SendMessageA(state.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  if (!state.entries.empty()) {
    LVITEMA first{};
    first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(state.list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
  }
  ShowComment(state);
  RunModal(window, owner, state.list, state.done);
  DestroyWindow(window);
  return state.picked;
}

}  // namespace vantrel::hostapp
