#include "platform/fltk/MessageWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xlib.h>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/fltk/FltkFonts.h"
#include "platform/fltk/Painter.h"

namespace vantrel::fltk {
namespace {

const TFont kMessageFont{"MS Sans Serif", 11, false};

std::vector<std::pair<const char*, TModalResult>> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return {{"OK", mrOk}};
    case MessageButtons::OkCancel: return {{"OK", mrOk}, {"Cancel", mrCancel}};
    case MessageButtons::YesNo: return {{"&Yes", mrYes}, {"&No", mrNo}};
    case MessageButtons::YesNoCancel: return {{"&Yes", mrYes}, {"&No", mrNo}, {"Cancel", mrCancel}};
  }
  return {{"OK", mrOk}};
}

// The icon at the left of the text: a round sign with its letter.
class IconBox : public Fl_Widget {
 public:
  IconBox(int x, int y, MessageIcon icon) : Fl_Widget(x, y, 32, 32), icon_(icon) {}
  void draw() override {
    if (icon_ == MessageIcon::None) return;
    unsigned fill = 0x0000FF00;
    const char* sign = "i";
    if (icon_ == MessageIcon::Error) { fill = 0xFF000000; sign = "X"; }
    if (icon_ == MessageIcon::Warning) { fill = 0xFFFF0000; sign = "!"; }
    if (icon_ == MessageIcon::Question) { fill = 0x0000FF00; sign = "?"; }
    fl_color(static_cast<Fl_Color>(fill));
    fl_pie(x(), y(), 32, 32, 0, 360);
    fl_color(static_cast<Fl_Color>(icon_ == MessageIcon::Warning ? 0x00000000 : 0xFFFFFF00));
    fl_font(FaceOf({"Arial", 20, true}), 20);
    fl_draw(sign, x(), y(), 32, 32, FL_ALIGN_CENTER, nullptr, 0);
  }

 private:
  MessageIcon icon_;
};

}  // namespace

TModalResult RunMessageWindow(const MessageBoxRequest& request, unsigned long parent) {
  const auto buttons = ButtonsOf(request.buttons);
  UseFont(kMessageFont);
  int textW = 0, textH = 0;
  fl_measure(request.text.c_str(), textW, textH, 0);
  const bool icon = request.icon != MessageIcon::None;
  const int textX = icon ? 64 : 16;
  const int buttonsW = static_cast<int>(buttons.size()) * 81 - 6;
  const int width = std::max(textX + textW + 16, buttonsW + 32);
  const int textBlock = std::max(textH, icon ? 32 : 0);
  const int height = 16 + textBlock + 16 + 23 + 12;

  Fl_Double_Window window(width, height);
  window.copy_label(request.caption.c_str());
  window.color(static_cast<Fl_Color>(kButtonFace));
  if (icon) new IconBox(16, 16, request.icon);
  auto* text = new Fl_Box(textX, 16 + (textBlock - textH) / 2, textW, textH);
  text->copy_label(request.text.c_str());
  text->labelfont(FaceOf(kMessageFont));
  text->labelsize(kMessageFont.Height);
  text->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP);

  TModalResult answer = mrNone;
  const TModalResult closing = buttons.back().second == mrCancel || buttons.size() == 1 ? buttons.back().second : mrCancel;
  int x = (width - buttonsW) / 2;
  std::vector<std::pair<Fl_Button*, TModalResult>> made;
  for (const auto& [label, result] : buttons) {
    auto* button = new Fl_Button(x, height - 12 - 23, 75, 23);
    button->copy_label(label);
    button->labelfont(FaceOf(kMessageFont));
    button->labelsize(kMessageFont.Height);
    made.emplace_back(button, result);
    x += 81;
  }
  for (auto& entry : made)
    entry.first->callback([](Fl_Widget*, void* data) {
      auto* pair = static_cast<std::pair<TModalResult*, TModalResult>*>(data);
      *pair->first = pair->second;
    }, new std::pair<TModalResult*, TModalResult>(&answer, entry.second));
  window.end();
  window.callback([](Fl_Widget*, void* data) {
    auto* pair = static_cast<std::pair<TModalResult*, TModalResult>*>(data);
    *pair->first = pair->second;
  }, new std::pair<TModalResult*, TModalResult>(&answer, closing));
  window.set_modal();
  window.position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
  window.show();
  if (parent != 0) XSetTransientForHint(fl_display, fl_xid(&window), parent);
  window.wait_for_expose();
  XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
  made.front().first->take_focus();
  while (answer == mrNone && window.shown()) Fl::wait();
  window.hide();
  for (auto& entry : made) delete static_cast<std::pair<TModalResult*, TModalResult>*>(entry.first->user_data());
  delete static_cast<std::pair<TModalResult*, TModalResult>*>(window.user_data());
  return answer == mrNone ? closing : answer;
}

}  // namespace vantrel::fltk
