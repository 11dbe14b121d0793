// The expert's registration and runs from the host's side, in-process, and
// the backend for a host without a display. (The C test calls every slot.)

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "apps/vantrel-host/Gallery.h"
#include "apps/vantrel-host/HostToolServices.h"
#include "host/ExpertLibrary.h"
#include "host/HostString.h"
#include "host/NoUserBackend.h"
#include "host/RunNewProject.h"
#include "host/WizardExpert.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/testing/HeadlessBackend.h"
#include "tests/TestSupport.h"

namespace vantrel::host {
namespace {

using hostapp::Gallery;
using hostapp::HostToolServices;
using test::RecordingOpener;

// Everything a registration touches: the experts handed over and the
// termination procedure.
struct Registration {
  static inline std::vector<TIExpert*> experts;
  static HostBool HOST_CALL Register(TIExpert* expert) { experts.push_back(expert); return true; }
  Registration() { experts.clear(); }
  ~Registration() { std::ranges::for_each(experts, [](TIExpert* expert) { expert->Release(); }); }
};

struct LibraryFixture : ::testing::Test {
  HeadlessBackend backend;
  MemoryFileSystem files;
  TApplication application{backend, files};
  ExpertLibrary library{application};
  HostToolServices services;
  Registration registration;
};

// A null registration procedure is refused and leaves the next call free;
// a null termination variable is not written through. The parent window
// reaches the application; a cancelled run asks nothing of the host.
TEST_F(LibraryFixture, RegistersOnceAndACancelledRunAsksNothing) {
  TerminateProc terminate = nullptr;
  EXPECT_FALSE(library.Register(&services, nullptr, &terminate));
  EXPECT_EQ(terminate, nullptr);
  EXPECT_EQ(library.Opener(), nullptr);
  services.SetParentWindow(0x4242);
  EXPECT_TRUE(library.Register(&services, Registration::Register, nullptr));
  ASSERT_EQ(Registration::experts.size(), 1u);
  EXPECT_EQ(application.Handle(), 0x4242u);

  backend.Expect("TNewDlg", [](UserDriver& user) { user.Click("CancelBtn"); });
  Registration::experts[0]->Execute();
  EXPECT_EQ(backend.Shown(), std::vector<std::string>{"TNewDlg"});
  EXPECT_TRUE(backend.Problems().empty());
  EXPECT_EQ(services.Record(), std::vector<std::string>{"parent window"});
  EXPECT_TRUE(application.Components().empty());
  EXPECT_TRUE(files.Files().empty());

  // Slots the expert must not use are recorded as such.
  services.SaveProject();
  services.GetUnitCount();
  EXPECT_EQ(std::vector<std::string>(services.Record().end() - 2, services.Record().end()),
            (std::vector<std::string>{"unexpected slot 5", "unexpected slot 12"}));
}

// After a whole run the host is asked once to close its project, then once
// to open the new makefile.
TEST_F(LibraryFixture, ARunClosesThenOpensOnceEach) {
  files.AddDirectory("C:\\Work");
  files.SetCurrentDirectory("C:\\Work");
  ASSERT_TRUE(library.Register(&services, Registration::Register, nullptr));
  backend.Expect("TNewDlg", [](UserDriver& user) {
    user.Type("Demo");
    user.Click("OkBtn");
  });
  backend.Expect("TVantrel", [](UserDriver& user) {
    for (int i = 0; i < 5; ++i) user.Click("NextBtn");
    user.Click("FinishBtn");
  });
  backend.Expect("TNewProInfo", [](UserDriver& user) { user.Click("OkBtn"); });
  Registration::experts[0]->Execute();
  EXPECT_TRUE(backend.Problems().empty());
  EXPECT_EQ(services.Record(),
            (std::vector<std::string>{"parent window", "close project", "open C:\\Work\\Demo.bpr"}));
  EXPECT_EQ(services.CurrentProject(), "C:\\Work\\Demo.bpr");
}

// The gallery lists the expert on the "New" page, as a project, with its
// picture.
TEST(Gallery, ListsTheExpertOnTheNewPageAsAProject) {
  Registration registration;
  Gallery gallery;
  gallery.Add(new MFCVantrel);
  const auto page = gallery.Page("New");
  ASSERT_EQ(page.size(), 1u);
  EXPECT_EQ(page[0]->style, TExpertStyle::Project);
  EXPECT_FALSE(page[0]->name.empty());
  EXPECT_NE(page[0]->glyph, nullptr);
}

TEST(HostString, CountsReferencesAndCopiesOnAssign) {
  HostString a("text");
  auto b = std::make_unique<HostString>(a);
  EXPECT_EQ(b->get(), a.get());
  EXPECT_EQ(HostStrRefCount(a.get()), 2);
  b.reset();
  EXPECT_EQ(HostStrRefCount(a.get()), 1);
  // Assigning from a string's own text must not read freed memory.
  HostStr s = HostStrNew("self");
  HostStrAssign(&s, HostStrView(s));
  EXPECT_EQ(HostStrView(s), "self");
  HostStrRelease(s);
  EXPECT_EQ(HostStrNew(""), nullptr);
  EXPECT_EQ(HostStrLength(nullptr), 0u);
}

// Without a display every run is cancelled at once. The backend holds no
// state, so a library that lives as long as the host cannot grow.
static_assert(sizeof(NoUserBackend) == sizeof(Backend));

struct Unattended : ::testing::Test {
  NoUserBackend backend;
  MemoryFileSystem files;
  TApplication application{backend, files};

  Unattended() { files.AddDirectory("C:\\Work"); }
};

TEST_F(Unattended, EveryRunIsCancelledAndLeavesNothingBehind) {
  RecordingOpener opener;
  for (int run = 0; run < 3; ++run) {
    RunNewProject(application, &opener);
    EXPECT_TRUE(application.Components().empty()) << run;  // Every dialog destroyed.
  }
  EXPECT_TRUE(opener.calls.empty());
  EXPECT_TRUE(files.Files().empty());
}

TEST_F(Unattended, MessageBoxesAreDeclined) {
  const std::pair<MessageButtons, TModalResult> cases[] = {
      {MessageButtons::Ok, mrOk}, {MessageButtons::OkCancel, mrCancel},
      {MessageButtons::YesNo, mrNo}, {MessageButtons::YesNoCancel, mrCancel}};
  for (auto [buttons, answer] : cases)
    EXPECT_EQ(application.MessageBox("Overwrite?", "New", MessageIcon::Question, buttons), answer);
}

}  // namespace
}  // namespace vantrel::host
