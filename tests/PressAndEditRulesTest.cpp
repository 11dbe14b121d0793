#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/MessageBox.h"
#include "platform/toolkit/PressGuard.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/UserInput.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

using std::chrono::milliseconds;

// A form with what the rules of presses and edits are about: a read-only
// drop-down (the class step's base-class box), an editable one, a list, a
// radio group and a button.
class RulesForm : public TForm {
 public:
  explicit RulesForm(TComponent* owner) : TForm(owner, "RulesForm") {
    using K = ControlKind;
    using F = ControlRow;
    BuildForm(*this, FormLayout{
        .caption = "Rules", .clientWidth = 300, .clientHeight = 200, .font = TFont{},
        .controls = {
            {.name = "Fixed", .kind = K::ComboBox, .flags = F::kReadOnly, .tabOrder = 0,
             .items = {"CView", "CEditView", "CListView"}},
            {.name = "Free", .kind = K::ComboBox, .tabOrder = 1, .items = {"A", "B"}},
            {.name = "List", .kind = K::ListBox, .tabOrder = 2, .items = {"x", "y"}},
            {.name = "R1", .kind = K::RadioButton, .caption = "R1", .flags = F::kChecked | F::kDisabled, .tabOrder = 3},
            {.name = "R2", .kind = K::RadioButton, .caption = "R2", .tabOrder = 4},
            {.name = "R3", .kind = K::RadioButton, .caption = "R3", .tabOrder = 5},
            {.name = "Ok", .kind = K::Button, .caption = "OK", .tabOrder = 6, .modalResult = mrOk},
        }});
  }
};

struct Rules : ::testing::Test {
  Ui ui;
  RulesForm form{&ui.app};
  milliseconds now{100000};
  Rules() {
    PressGuard::SetClock([this] { return now; });
  }
  ~Rules() override { PressGuard::SetClock({}); }
  TModalResult Run(HeadlessBackend::FormScript script) {
    ui.Expect("RulesForm", std::move(script));
    return form.ShowModal();
  }
};

// A checked radio button that is disabled leaves its group's tab stop to
// the first button that can take the focus.
TEST_F(Rules, ACheckedButDisabledRadioButtonLeavesTheTabStopToItsGroup) {
  Run([](UserDriver& user) {
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
      seen.push_back(user.Focused());
      user.Press(Key::Tab);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Fixed", "Free", "List", "R2", "Ok"}));
    user.Close();
  });
}

// The read-only drop-down changes only by picking: every editing key and
// command (typing, Backspace, a text a widget's Delete, cut or paste left)
// is refused and the entry stays; an editable one takes them.
TEST_F(Rules, AReadOnlyDropDownRefusesEveryEditAndKeepsItsItem) {
  int changes = 0;
  form.Find<TComboBox>("Fixed")->OnChange = [&](TControl*) { ++changes; };
  Run([&](UserDriver& user) {
    auto& fixed = user.Get<TComboBox>("Fixed");
    EXPECT_FALSE(fixed.EditsText());
    EXPECT_TRUE(user.Pick("Fixed", 2));
    const std::function<bool()> edits[] = {
        [&] { return user.Type("CMyOwnView") && fixed.Text() != "CListView"; },
        [&] { return user.Press(Key::Backspace) && fixed.Text() != "CListView"; },
        [&] { return user::EditText(fixed, ""); },                    // Delete, Shift+Del, Ctrl+X, Cut.
        [&] { return user::EditText(fixed, "CMyOwnViewCListView"); },  // Ctrl+V, Paste.
    };
    for (const auto& edit : edits) {
      EXPECT_FALSE(edit());
      EXPECT_EQ(fixed.Text(), "CListView");
      EXPECT_EQ(fixed.ItemIndex(), 2);
    }
    EXPECT_TRUE(user.Press(Key::Up));
    EXPECT_EQ(fixed.Text(), "CEditView");

    auto& free = user.Get<TComboBox>("Free");
    EXPECT_TRUE(user::EditText(free, "typed"));
    EXPECT_EQ(free.Text(), "typed");
    user.Close();
  });
  EXPECT_EQ(changes, 2);
}

// For the double-click time after the form opens, the mouse's actions are
// refused and the keys are not; from then on the mouse acts again.
TEST_F(Rules, AFormIgnoresPressesForTheDoubleClickTimeAfterItOpens) {
  ui.backend.SetDoubleClickTime(milliseconds{500});
  struct Press {
    const char* what;
    std::function<bool(UserDriver&)> act;
  };
  const Press presses[] = {
      {"click", [](UserDriver& user) { return user.Click("R2"); }},
      {"item", [](UserDriver& user) { return user.ClickItem("List", 1); }},
      {"double click", [](UserDriver& user) { return user.DoubleClickItem("List", 0); }},
      {"pick", [](UserDriver& user) { return user.Pick("Free", 1); }},
  };
  for (const Press& press : presses) {
    RulesForm shown(&ui.app);
    ui.Expect("RulesForm", [&](UserDriver& user) {
      for (int after : {0, 150, 300, 499}) {
        now = milliseconds{100000 + after};
        EXPECT_FALSE(press.act(user)) << press.what << " " << after << " ms after the form opened";
      }
      EXPECT_TRUE(user.Press(Key::Tab)) << "keys are not affected";
      EXPECT_FALSE(user.Click("Ok"));
      EXPECT_EQ(user.Form().ModalResult(), mrNone);
      now = milliseconds{100500};
      EXPECT_TRUE(press.act(user)) << press.what;
      EXPECT_TRUE(user.Click("Ok"));
    });
    now = milliseconds{100000};
    EXPECT_EQ(shown.ShowModal(), mrOk) << press.what;
  }
}

// A double click on Finish opens the summary with the first click; the
// second lands where the summary has OK, and is ignored. A double click on
// the summary's Cancel returns to step 6, whose Cancel beneath takes no
// second click either.
TEST_F(Rules, TheSecondClickOfADoubleClickPressesNothingInTheNextDialog) {
  ui.backend.SetDoubleClickTime(milliseconds{500});
  ui.Expect("TVantrel", [&](UserDriver& user) {
    now += milliseconds{600};
    NextToStepSix(user);
    EXPECT_TRUE(user.Click("FinishBtn"));
    EXPECT_FALSE(user.Click("CancelBtn"));  // 150 ms after the summary closed.
    EXPECT_EQ(user.Form().ModalResult(), mrNone);
    now += milliseconds{500};
    EXPECT_TRUE(user.Click("CancelBtn"));
  });
  ui.Expect("TNewProInfo", [&](UserDriver& user) {
    now += milliseconds{150};
    EXPECT_FALSE(user.Click("OkBtn"));
    now += milliseconds{500};
    EXPECT_TRUE(user.Click("CancelBtn"));
    now += milliseconds{150};
  });
  ui.RunWizard();
  EXPECT_EQ(ui.fs.Find("C:\\Work\\Demo.bpr"), nullptr);
  EXPECT_TRUE(ui.opener.calls.empty());
}

// Long lines of a message are broken after a path separator, else after a
// blank, else where they stop fitting; every character stays, and short
// lines and line ends are kept.
TEST(MessageText, LongLinesBreakAtSeparatorsAndEveryCharacterStays) {
  const auto fitsIn = [](std::size_t width) { return [width](std::string_view line) { return line.size() <= width; }; };
  struct Case {
    const char* text;
    std::size_t width;
    const char* fitted;
  } cases[] = {
      {"short\nlines", 20, "short\nlines"},
      {"Cannot create file C:\\long\\way\\Demo.bpr: Access denied", 20,
       "Cannot create file \nC:\\long\\way\\\nDemo.bpr: Access \ndenied"},
      {"/home/me/projects/Demo", 12, "/home/me/\nprojects/\nDemo"},
      {"abcdefghij", 4, "abcd\nefgh\nij"},
      {"\xc3\xb8\xc3\xb8\xc3\xb8", 3, "\xc3\xb8\n\xc3\xb8\n\xc3\xb8"},  // No character is cut in two.
  };
  for (const Case& c : cases) EXPECT_EQ(FitMessageText(c.text, fitsIn(c.width)), c.fitted) << c.text;
}

}  // namespace
}  // namespace vantrel::test
