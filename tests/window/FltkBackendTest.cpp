// The FLTK backend through the shared backend cases, with FLTK's widgets and
// events; they skip without a display (FltkBackendOnScreen gives them one).

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>

#include "platform/fltk/FltkBackend.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Layout.h"
#include "platform/toolkit/UpDown.h"
#include "tests/BackendCases.h"

// fontconfig's caches live until the process ends: no leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace vantrel::test {
namespace {

// The host's window, which counts the mouse presses it takes.
class Host : public Fl_Window {
 public:
  Host() : Fl_Window(0, 0, 10, 10, "host") {}
  int handle(int event) override {
    if (event == FL_PUSH) ++presses;
    return Fl_Window::handle(event);
  }
  int presses = 0;
};

class FltkWindows : public NativeWindows {
 public:
  FltkWindows() {
    host_.show();
    host_.wait_for_expose();
    Fl::add_check(Looped, this);
  }
  ~FltkWindows() override {
    EveryTurn(nullptr);
    Fl::remove_check(Looped, this);
  }

  Backend& WindowBackend() override { return backend_; }
  std::uintptr_t HostWindow() override { return fl_xid(&host_); }
  void EveryTurn(std::function<bool()> turn) override {
    turn_ = std::move(turn);
    Fl::remove_timeout(Turn, this);
    if (turn_) Fl::add_timeout(0.01, Turn, this);
  }

  void Edit(const TControl& edit, const std::string& text) override {
    Widget<Fl_Input>(edit).value(text.c_str());
    Widget<Fl_Input>(edit).do_callback();
  }
  void Choose(const TControl& list, int index) override {
    if (list.Kind() == ControlKind::ComboBox) {
      Widget<Fl_Choice>(list).value(index);
      Widget<Fl_Choice>(list).do_callback();
      return;
    }
    Fl::event_clicks(0);  // A single click.
    Widget<Fl_Browser>(list).value(index + 1);
    Widget<Fl_Browser>(list).do_callback();
  }
  void Click(const TControl& button) override { Widget<Fl_Button>(button).do_callback(); }
  void SpinUp(const TControl& spin) override {
    auto& spinner = Widget<Fl_Spinner>(spin);
    spinner.value(spinner.value() + spinner.step());
    spinner.do_callback();
  }
  void Key(char key) override {
    Fl_Window* focused = Fl::focus() != nullptr ? Fl::focus()->top_window() : Fl::first_window();
    Send(focused, key == '\r' ? FL_Enter : key == '\t' ? FL_Tab : key, key);
  }

  std::string Text(const TControl& edit) override { return Widget<Fl_Input>(edit).value(); }
  std::size_t SelectionLength(const TControl& edit) override {
    const auto& input = Widget<Fl_Input>(edit);
    return static_cast<std::size_t>(std::abs(input.mark() - input.position()));
  }
  int Row(const TControl& list) override {
    if (list.Kind() == ControlKind::ComboBox) return Widget<Fl_Choice>(list).value();
    return Widget<Fl_Browser>(list).value() - 1;
  }
  bool HasFocus(const TControl& control) override {
    for (const Fl_Widget* w = Fl::focus(); w != nullptr; w = w->parent())
      if (w == &Widget<Fl_Widget>(control)) return true;
    return false;
  }

  bool HostTakesInput() override {
    const int before = host_.presses;
    Fl::handle(FL_PUSH, &host_);
    Fl::handle(FL_RELEASE, &host_);
    return host_.presses > before;
  }
  bool AboveHost(const TForm& form) override { return OwnerOf(WindowOf(form.Caption())) == fl_xid(&host_); }
  Box AnswerBox(const TForm& form) override {
    Fl_Window* box = WindowOf("Vantrel");
    if (box == nullptr) return {};
    Box seen{"", OwnerOf(box) == fl_xid(WindowOf(form.Caption()))};
    // The text is the label of the one child that is not a button.
    for (int i = 0; i < box->children(); ++i)
      if (dynamic_cast<Fl_Button*>(box->child(i)) == nullptr && box->child(i)->label() != nullptr)
        seen.text = box->child(i)->label();
    Send(box, FL_Enter, '\r');
    return seen;
  }

 private:
  // The timer keeps going after the last call: FLTK's loop looks at the
  // form's state only after something happened. One call a pass of the
  // loop: a late timer is due again at once, and two calls in one pass
  // would find the widgets not yet showing what the first one changed.
  static void Turn(void* self) {
    auto& windows = *static_cast<FltkWindows*>(self);
    Fl::repeat_timeout(0.01, Turn, self);
    if (!std::exchange(windows.looped_, false)) return;
    if (windows.turn_ && !windows.turn_()) windows.turn_ = nullptr;
  }
  static void Looped(void* self) { static_cast<FltkWindows*>(self)->looped_ = true; }
  // A key press as FLTK reads it from the display, to window.
  static void Send(Fl_Window* window, int key, char typed) {
    static char text[2];
    text[0] = typed;
    Fl::e_keysym = key;
    Fl::e_text = text;
    Fl::e_length = 1;
    Fl::e_state = 0;
    Fl::handle(FL_KEYBOARD, window);
  }
  static Fl_Window* WindowOf(const std::string& caption) {
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w))
      if (w->label() != nullptr && caption == w->label()) return w;
    return nullptr;
  }
  // The window a window stays above.
  static Window OwnerOf(Fl_Window* window) {
    Window owner = 0;
    if (window == nullptr || !XGetTransientForHint(fl_display, fl_xid(window), &owner)) return 0;
    return owner;
  }
  // The widget at a control's place in its form's window; an up-down
  // pair's spinner lies at its edit's place.
  template <class W>
  static W& Widget(const TControl& control) {
    const auto* spin = dynamic_cast<const TUpDown*>(&control);
    const TControl& shown = spin != nullptr && spin->Associate() != nullptr ? *spin->Associate() : control;
    const Rect place = PlaceOf(shown);
    Fl_Window* window = WindowOf(control.Form()->Caption());
    W* found = window != nullptr ? dynamic_cast<W*>(At(*window, place)) : nullptr;
    if (found == nullptr) throw std::logic_error("no widget of the expected kind shows " + control.Name());
    return *found;
  }
  static Fl_Widget* At(Fl_Group& group, const Rect& place) {
    for (int i = 0; i < group.children(); ++i) {
      Fl_Widget* child = group.child(i);
      if (child->x() == place.x && child->y() == place.y) return child;
      if (Fl_Group* inner = child->as_group())
        if (Fl_Widget* found = At(*inner, place)) return found;
    }
    return nullptr;
  }

  fltk::FltkBackend backend_;
  Host host_;
  std::function<bool()> turn_;
  bool looped_ = false;
};

struct FltkBackend : ::testing::Test {
  std::unique_ptr<FltkWindows> native;
  void SetUp() override {
    if (!fltk::FltkBackend::DisplayAvailable()) GTEST_SKIP() << "no X display";
    native = std::make_unique<FltkWindows>();
  }
};

TEST_F(FltkBackend, UserChangesAreActionsAndTheProgramsAreNot) { ExpectUserChangesAreActionsAndTheProgramsAreNot(*native); }
TEST_F(FltkBackend, KeysReachTheToolkitFirst) { ExpectKeysReachTheToolkitFirst(*native); }
TEST_F(FltkBackend, AModalFormStaysAboveTheHostWindowAndItsErrorBoxAboveIt) { ExpectModalFormAndItsErrorBoxStayAbove(*native); }

}  // namespace
}  // namespace vantrel::test
