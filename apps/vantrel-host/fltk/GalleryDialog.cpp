#include "apps/vantrel-host/fltk/GalleryDialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Tabs.H>

#include <memory>
#include <vector>

namespace vantrel::hostapp {
namespace {

constexpr const char* kPage = "New";

// An RGBA copy of a glyph, for the browser's icon column.
std::unique_ptr<Fl_RGB_Image> GlyphImage(HostIconHandle glyph, std::vector<unsigned char>& store) {
  if (glyph == nullptr || glyph->pixels == nullptr || glyph->width <= 0 || glyph->height <= 0) return nullptr;
  store.clear();
  for (int i = 0; i < glyph->width * glyph->height; ++i) {
    const std::uint32_t p = glyph->pixels[i];
    store.push_back(static_cast<unsigned char>(p >> 16));
    store.push_back(static_cast<unsigned char>(p >> 8));
    store.push_back(static_cast<unsigned char>(p));
    store.push_back(static_cast<unsigned char>(p >> 24));
  }
  return std::make_unique<Fl_RGB_Image>(store.data(), glyph->width, glyph->height, 4);
}

struct GalleryState {
  std::vector<const GalleryEntry*> entries;
  Fl_Hold_Browser* list = nullptr;
  Fl_Box* comment = nullptr;
  Fl_Button* ok = nullptr;
  const GalleryEntry* picked = nullptr;
  bool done = false;
};

const GalleryEntry* Selected(const GalleryState& state) {
  const int line = state.list->value();
  if (line < 1 || line > static_cast<int>(state.entries.size())) return nullptr;
  return state.entries[static_cast<std::size_t>(line - 1)];
}

void ShowComment(GalleryState& state) {
  const GalleryEntry* entry = Selected(state);
  state.comment->copy_label(entry != nullptr ? entry->comment.c_str() : "");
  if (entry != nullptr) state.ok->activate(); else state.ok->deactivate();
}

}  // namespace

const GalleryEntry* PickFromGallery(const Gallery& gallery) {
  GalleryState state;
  state.entries = gallery.Page(kPage);

  Fl_Double_Window window(480, 360, "New Items");
  window.set_modal();
  Fl_Tabs tabs(8, 8, 464, 300);
  Fl_Group page(8, 33, 464, 275, kPage);
  Fl_Hold_Browser list(16, 42, 448, 200);
  list.textsize(14);
  Fl_Box comment(16, 250, 448, 50);
  comment.align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  comment.labelsize(13);
  page.end();
  tabs.end();
  Fl_Return_Button ok(288, 320, 88, 28, "OK");
  Fl_Button cancel(384, 320, 88, 28, "Cancel");
  window.end();

  state.list = &list;
  state.comment = &comment;
  state.ok = &ok;

  std::vector<std::vector<unsigned char>> stores(state.entries.size());
  std::vector<std::unique_ptr<Fl_RGB_Image>> icons;
  for (std::size_t i = 0; i < state.entries.size(); ++i) {
    list.add(state.entries[i]->name.c_str());
    icons.push_back(GlyphImage(state.entries[i]->glyph, stores[i]));
    if (icons.back()) list.icon(static_cast<int>(i + 1), icons.back().get());
  }
  if (!state.entries.empty()) list.select(1);
  ShowComment(state);

  list.callback(
      [](Fl_Widget*, void* data) {
        auto& s = *static_cast<GalleryState*>(data);
        ShowComment(s);
        if (Fl::event_clicks() > 0 && Selected(s) != nullptr) {
          s.picked = Selected(s);
          s.done = true;
        }
      },
      &state);
  ok.callback(
      [](Fl_Widget*, void* data) {
        auto& s = *static_cast<GalleryState*>(data);
        s.picked = Selected(s);
        s.done = s.picked != nullptr;
      },
      &state);
  cancel.callback([](Fl_Widget*, void* data) { static_cast<GalleryState*>(data)->done = true; }, &state);
  window.callback([](Fl_Widget*, void* data) { static_cast<GalleryState*>(data)->done = true; }, &state);

  window.show();
  list.take_focus();
  while (!state.done && window.shown()) Fl::wait();
  window.hide();
  return state.picked;
}

}  // namespace vantrel::hostapp
