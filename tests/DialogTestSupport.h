#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/CodePage.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/testing/HeadlessBackend.h"
#include "platform/toolkit/ModuleBitmaps.h"
#include "platform/testing/UserDriver.h"
#include "tests/TestSupport.h"
#include "wizard/Mfcvantrel.h"
#include "wizard/Newdialog.h"
#include "wizard/Newinfo.h"
#include "wizard/Dirchoose.h"

namespace vantrel::test {

// Another source of module bitmaps for the scope's lifetime.
class BitmapSourceScope {
 public:
  explicit BitmapSourceScope(BitmapSource source) { SetModuleBitmapSource(std::move(source)); }
  ~BitmapSourceScope() { SetModuleBitmapSource(nullptr); }
  BitmapSourceScope(const BitmapSourceScope&) = delete;
  BitmapSourceScope& operator=(const BitmapSourceScope&) = delete;
};

// A screenless application over an in-memory file system (current
// directory "C:\Work") with a recording host; at the end every script must
// have met its form and closed it.
struct Ui {
  MemoryFileSystem fs;
  HeadlessBackend backend;
  TApplication app{backend, fs};
  RecordingOpener opener;
  bool checkScripts = true;

  Ui() {
    fs.AddDirectory("C:\\Work\\Sub");
    fs.AddDirectory("C:\\Work\\Other");
    fs.AddDirectory("D:\\Data");
    fs.SetCurrentDirectory("C:\\Work");
  }
  ~Ui() {
    if (!checkScripts) return;
    EXPECT_EQ(backend.Problems(), std::vector<std::string>{});
    EXPECT_EQ(backend.Pending(), 0u) << "scripts whose form was never shown";
  }

  void Expect(const std::string& form, HeadlessBackend::FormScript script) {
    backend.Expect(form, std::move(script));
  }

  // What the expert's run operation does: the New project dialog, then on
  // OK the wizard.
  void RunNewProject() {
    TNewDlg dialog(&app, &opener);
    dialog.SetCodePage(codepage::kWestern);
    if (dialog.ShowModal() == mrOk) dialog.RunWizard();
  }

  // The wizard alone, as the New project dialog starts it, for a project
  // named name in location.
  void RunWizard(const std::string& name = "Demo", const std::string& location = "C:\\Work") {
    TVantrel wizard(&app);
    wizard.SetOpener(&opener);
    wizard.SetCodePage(codepage::kWestern);
    wizard.Settings().Name = name;
    wizard.Settings().Location = location;
    wizard.ShowModal();
  }
};

// Goes from step 1 to step 6 with Next; with changeIgnored, it changes every
// choice of steps 4 and 5 on the way.
inline void NextToStepSix(UserDriver& user, bool changeIgnored = false) {
  const std::vector<std::string> ignored[] = {{}, {}, {}, {"CheckBox4", "CheckBox5", "CheckBox6", "CheckBox8"},
                                              {"NoDocSelect"}};
  for (const auto& onStep : ignored) {
    for (const auto& name : changeIgnored ? onStep : ignored[0]) EXPECT_TRUE(user.Click(name)) << name;
    EXPECT_TRUE(user.Click("NextBtn"));
  }
}

// The stops Tab visits from the focus until it is back (twenty at most).
inline std::vector<std::string> TabCycle(UserDriver& user) {
  std::vector<std::string> seen{user.Focused()};
  for (int i = 0; i < 20; ++i) {
    user.Press(Key::Tab);
    if (user.Focused() == seen.front()) return seen;
    seen.push_back(user.Focused());
  }
  return seen;
}

// Runs the script on the chooser opened from the New project dialog (its
// location set to start if given); returns the location the dialog ends with.
inline std::string WithChooser(Ui& ui, HeadlessBackend::FormScript script, const char* start = nullptr) {
  std::string location;
  ui.Expect("TNewDlg", [&](UserDriver& user) {
    if (start) static_cast<TNewDlg&>(user.Form()).ProjectDir->SetText(start);
    user.Click("ProjectDirDialog");
    location = user.Get<TEdit>("ProjectDir").Text();
    EXPECT_EQ(user.Focused(), "ProjectDir");
    user.Click("CancelBtn");
  });
  ui.Expect("TDirChooser", std::move(script));
  ui.RunNewProject();
  return location;
}

}  // namespace vantrel::test
