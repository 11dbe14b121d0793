#include "tests/BackendCases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <vector>

#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Button.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/ListBox.h"
#include "platform/toolkit/PressGuard.h"
#include "platform/toolkit/UpDown.h"
#include "tests/TestSupport.h"

namespace vantrel::test {
namespace {

using K = ControlKind;

class Sample : public SampleForm {
 public:
  explicit Sample(TComponent* owner)
      : SampleForm(owner, {
            {.name = "Name", .kind = K::Edit, .place = {8, 8, 120, 24}, .tabOrder = 0},
            {.name = "Choice", .kind = K::ComboBox, .place = {8, 40, 120, 24}, .flags = ControlRow::kDropDownList,
             .tabOrder = 1, .items = {"A", "B", "C"}},
            {.name = "List", .kind = K::ListBox, .place = {8, 72, 120, 60}, .tabOrder = 2, .items = {"x", "y"}},
            {.name = "Count", .kind = K::Edit, .caption = "4", .place = {140, 8, 40, 24}, .tabOrder = 3},
            {.name = "Spin", .kind = K::UpDown, .place = {180, 8, 15, 24}, .tabOrder = 4, .link = "Count",
             .range = ControlRow::Range{0, 10, 4, false}},
            {.name = "Boom", .kind = K::Button, .caption = "Boom", .place = {140, 40, 80, 28}, .tabOrder = 5},
        }) {}
};

// The sample form over the backend, under the host's window.
struct Session {
  explicit Session(NativeWindows& windows) : native(windows) {
    // The steps act as a user who waited for the form after it opened: at
    // each reading the clock has moved on by a second, beyond the time in
    // which a form that has just opened ignores the mouse.
    PressGuard::SetClock([at = std::chrono::milliseconds{0}]() mutable { return at += std::chrono::seconds{1}; });
    app.SetHandle(native.HostWindow());
  }
  ~Session() { PressGuard::SetClock({}); }

  template <class T>
  T& Get(const char* name) { return form->Bind<T>(name); }

  // Shows the form modally and runs one step at each turn of the loop that
  // runs then; then the form is closed.
  TModalResult Run(std::vector<std::function<void()>> steps) {
    steps.push_back([this] { form->Close(); });
    std::size_t next = 0;
    native.EveryTurn([&] {
      steps[next++]();
      return next < steps.size();
    });
    const TModalResult result = form->ShowModal();
    native.EveryTurn(nullptr);
    return result;
  }

  NativeWindows& native;
  MemoryFileSystem files;
  TApplication app{native.WindowBackend(), files};
  Sample* form = new Sample(&app);  // Owned by the application.
};

}  // namespace

void ExpectUserChangesAreActionsAndTheProgramsAreNot(NativeWindows& native) {
  Session s(native);
  auto& name = s.Get<TEdit>("Name");
  auto& choice = s.Get<TComboBox>("Choice");
  auto& list = s.Get<TListBox>("List");
  int edits = 0, picks = 0, clicks = 0;
  name.OnChange = [&](TControl*) { ++edits; };
  choice.OnChange = [&](TControl*) { ++picks; };
  list.OnClick = [&](TControl*) { ++clicks; };
  EXPECT_EQ(s.Run({
                [&] { native.Edit(name, "Demo"); },
                [&] {
                  EXPECT_EQ(name.Text(), "Demo");
                  EXPECT_EQ(edits, 1);
                  // The program's changes reach the controls and run no
                  // user's handler: an edit's own change event runs once.
                  name.SetText("Other");
                  name.SelectAll();
                  choice.SetItemIndex(1);
                  list.SetItemIndex(0);
                },
                [&] {
                  EXPECT_EQ(native.Text(name), "Other");
                  // The edit's report of the new text is not a user's
                  // editing, which would leave the caret at the end instead
                  // of the selection.
                  EXPECT_EQ(name.SelLength(), 5u);
                  EXPECT_EQ(native.SelectionLength(name), 5u);
                  EXPECT_EQ(native.Row(choice), 1);
                  EXPECT_EQ(native.Row(list), 0);
                  EXPECT_EQ(edits, 2);
                  EXPECT_EQ(picks, 0);
                  EXPECT_EQ(clicks, 0);
                  native.Choose(choice, 2);
                  native.Choose(list, 1);
                },
                [&] {
                  EXPECT_EQ(choice.Text(), "C");
                  EXPECT_EQ(picks, 1);
                  EXPECT_EQ(list.ItemIndex(), 1);
                  EXPECT_EQ(clicks, 1);
                  // The spin buttons step through the toolkit.
                  native.SpinUp(s.Get<TUpDown>("Spin"));
                  EXPECT_EQ(s.Get<TUpDown>("Spin").Position(), 5);
                  EXPECT_EQ(s.Get<TEdit>("Count").Text(), "5");
                },
            }),
            mrCancel);
}

void ExpectKeysReachTheToolkitFirst(NativeWindows& native) {
  Session s(native);
  auto& name = s.Get<TEdit>("Name");
  std::string pressed;
  name.OnKeyPress = [&](TControl*, char& key) {
    pressed += key;
    if (key == 'x') key = 0;
  };
  s.Run({
      [&] { EXPECT_TRUE(native.HasFocus(name)); },
      [&] { native.Key('x'); },
      [&] { native.Key('a'); },
      [&] { native.Key('\r'); },
      [&] {
        // The handler saw every character, Enter included; what it
        // discarded never reached the edit.
        EXPECT_EQ(pressed, "xa\r");
        EXPECT_EQ(name.Text(), "a");
        // Tab moves the focus in the toolkit's tab order.
        native.Key('\t');
      },
      [&] { EXPECT_EQ(s.form->ActiveControl(), &s.Get<TComboBox>("Choice")); },
      [&] { EXPECT_TRUE(native.HasFocus(s.Get<TComboBox>("Choice"))); },
  });
}

void ExpectModalFormAndItsErrorBoxStayAbove(NativeWindows& native) {
  Session s(native);
  auto& boom = s.Get<TButton>("Boom");
  boom.OnClick = [](TControl*) { throw std::runtime_error("Boom went the button"); };
  NativeWindows::Box box;
  s.Run({
      [&] {
        EXPECT_TRUE(native.AboveHost(*s.form));
        EXPECT_FALSE(native.HostTakesInput());
        native.Click(boom);
      },
      // This step runs in the message box's own loop.
      [&] { box = native.AnswerBox(*s.form); },
  });
  EXPECT_TRUE(box.aboveForm);
  EXPECT_EQ(box.text, "Boom went the button");
  EXPECT_TRUE(native.HostTakesInput());
}

}  // namespace vantrel::test
