#include "platform/fltk/FltkMessageWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/fl_draw.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/fltk/FltkColours.h"
#include "platform/fltk/FltkFonts.h"

namespace vantrel::fltk {
namespace {

const TFont kMessageFont{"MS Sans Serif", 11, false};
// The width of a window manager's frame on each side, which the box must
// leave room for.
constexpr int kFrameWidth = 8;

std::vector<std::pair<const char*, TModalResult>> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return {{"OK", mrOk}};
    case MessageButtons::OkCancel: return {{"OK", mrOk}, {"Cancel", mrCancel}};
    case MessageButtons::YesNo: return {{"&Yes", mrYes}, {"&No", mrNo}};
    case MessageButtons::YesNoCancel: return {{"&Yes", mrYes}, {"&No", mrNo}, {"Cancel", mrCancel}};
  }
  return {{"OK", mrOk}};
}

// The icon at the left of the text: a round sign with its letter. FLTK has
// no widget for the desktop's message icons, so this one paints itself.
class IconBox : public Fl_Widget {
 public:
  IconBox(int x, int y, MessageIcon icon) : Fl_Widget(x, y, 32, 32), icon_(icon) {}
  void draw() override {
    Fl_Color fill = 0x0000FF00;
    const char* sign = "i";
    if (icon_ == MessageIcon::Error) { fill = 0xFF000000; sign = "X"; }
    if (icon_ == MessageIcon::Warning) { fill = 0xFFFF0000; sign = "!"; }
    if (icon_ == MessageIcon::Question) sign = "?";
    fl_color(fill);
    fl_pie(x(), y(), 32, 32, 0, 360);
    fl_color(icon_ == MessageIcon::Warning ? kWindowText : kWindowBackground);
    fl_font(FaceOf({"Arial", 20, true}), 20);
    fl_draw(sign, x(), y(), 32, 32, FL_ALIGN_CENTER, nullptr, 0);
  }

 private:
  MessageIcon icon_;
};

// A button that answers the box with its result.
class AnswerButton : public Fl_Button {
 public:
  AnswerButton(int x, int y, const char* label, TModalResult result) : Fl_Button(x, y, 75, 23), result_(result) {
    copy_label(label);
    labelfont(FaceOf(kMessageFont));
    labelsize(kMessageFont.Height);
    callback([](Fl_Widget* w, void*) {
      auto* self = static_cast<AnswerButton*>(w);
      static_cast<FltkMessageWindow*>(self->window())->Answer(self->result_);
    });
  }
  TModalResult Result() const { return result_; }

 private:
  TModalResult result_;
};

}  // namespace

FltkMessageWindow::FltkMessageWindow(const MessageBoxRequest& request) : Fl_Double_Window(1, 1) {
  const auto buttons = ButtonsOf(request.buttons);
  UseFont(kMessageFont);
  const bool icon = request.icon != MessageIcon::None;
  const int textX = icon ? 64 : 16;
  // The widest text that keeps the box, with its frame, on the work area.
  int areaX = 0, areaY = 0, areaW = 0, areaH = 0;
  Fl::screen_work_area(areaX, areaY, areaW, areaH);
  const int widest = std::max(100, areaW - textX - 16 - 2 * kFrameWidth);
  const std::string shown = FitMessageText(request.text, [widest](std::string_view line) {
    return fl_width(line.data(), static_cast<int>(line.size())) <= widest;
  });
  int textW = 0, textH = 0;
  fl_measure(shown.c_str(), textW, textH, 0);
  const int buttonsW = static_cast<int>(buttons.size()) * 81 - 6;
  const int width = std::max(textX + textW + 16, buttonsW + 32);
  const int textBlock = std::max(textH, icon ? 32 : 0);
  const int height = 16 + textBlock + 16 + 23 + 12;
  size(width, height);
  copy_label(request.caption.c_str());
  color(kButtonFace);
  if (icon) add(new IconBox(16, 16, request.icon));
  auto* text = new Fl_Box(textX, 16 + (textBlock - textH) / 2, textW, textH);
  add(text);
  text->copy_label(shown.c_str());
  text->labelfont(FaceOf(kMessageFont));
  text->labelsize(kMessageFont.Height);
  text->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP);
  closing_ = buttons.back().second;
  default_ = request.defaultAnswer;
  int x = (width - buttonsW) / 2;
  for (const auto& [label, result] : buttons) {
    add(new AnswerButton(x, height - 12 - 23, label, result));
    x += 81;
  }
  end();
  callback([](Fl_Widget* w, void*) {
    auto* self = static_cast<FltkMessageWindow*>(w);
    self->Answer(self->Closing());
  });
  // Modal from the start, so that nothing else takes input once it shows.
  set_modal();
  position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
}

void FltkMessageWindow::Shown(std::chrono::milliseconds doubleClickTime) {
  // The default answer's button, else the first.
  AnswerButton* focused = nullptr;
  for (int i = 0; i < children(); ++i)
    if (auto* button = dynamic_cast<AnswerButton*>(child(i)))
      if (focused == nullptr || button->Result() == default_) focused = button;
  if (focused != nullptr) focused->take_focus();
  guard_.Opened(doubleClickTime);
}

int FltkMessageWindow::handle(int event) {
  if (event != FL_KEYBOARD) return Fl_Double_Window::handle(event);
  // The keys are the box's own, wherever FLTK's focus was left: Tab moves
  // between the buttons, Enter or the space bar presses the focused one (the
  // first at start), Escape closes the box.
  std::vector<AnswerButton*> buttons;
  int focused = 0;
  for (int i = 0; i < children(); ++i)
    if (auto* button = dynamic_cast<AnswerButton*>(child(i))) {
      if (button == Fl::focus()) focused = static_cast<int>(buttons.size());
      buttons.push_back(button);
    }
  const int count = static_cast<int>(buttons.size());
  switch (Fl::event_key()) {
    case FL_Tab:
      focused = (focused + (Fl::event_state(FL_SHIFT) ? count - 1 : 1)) % count;
      buttons[static_cast<std::size_t>(focused)]->take_focus();
      break;
    case FL_Enter:
    case FL_KP_Enter:
    case ' ': buttons[static_cast<std::size_t>(focused)]->do_callback(); break;
    case FL_Escape: Answer(closing_); break;
    default: break;
  }
  return 1;
}

}  // namespace vantrel::fltk
