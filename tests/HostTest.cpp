// The expert's registration and runs from the host's side, in-process, the
// stand-in host's own parts, and the backend for a host without a display.
// (The C test calls every slot.)

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "apps/vantrel-host/Gallery.h"
#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/HostToolServices.h"
#include "apps/vantrel-host/ProjectListing.h"
#include "host/ExpertLibrary.h"
#include "host/HostString.h"
#include "host/NoUserBackend.h"
#include "host/RunNewProject.h"
#include "host/WizardExpert.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/resources/ModulePicture.h"
#include "platform/resources/Palette.h"
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

// The gallery shows the expert by the project's icon, in its colours. (On
// Windows the glyph is an icon handle: ModuleResourcesTest.)
#if !defined(_WIN32)
TEST(ExpertGlyph, IsTheApplicationIcon) {
  Registration registration;
  auto* expert = new MFCVantrel;
  const HostIcon* glyph = expert->GetGlyph();
  expert->Release();
  const ModulePicture* icon = FindModuleIcon("MFCVANTREL");
  ASSERT_NE(glyph, nullptr);
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(std::tie(glyph->width, glyph->height), std::tie(icon->width, icon->height));
  // Opaque pixels as 0xAARRGGBB of the palette's colour; transparent ones
  // with no alpha.
  std::vector<std::uint32_t> expected;
  for (int y = 0; y < icon->height; ++y)
    for (int x = 0; x < icon->width; ++x) {
      const int index = icon->Pixel(x, y);
      const PaletteColour& c = kStandardPalette[static_cast<std::size_t>(index < 0 ? 0 : index)];
      expected.push_back(index == ModulePicture::kTransparent ? 0 : 0xFF000000u | c.red << 16 | c.green << 8 | c.blue);
    }
  EXPECT_EQ(std::vector<std::uint32_t>(glyph->pixels, glyph->pixels + expected.size()), expected);
}
#endif

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

TEST(HostOptions, ParsesTheCommandLine) {
  const struct {
    std::vector<std::string> args;
    bool ok, list;
    std::size_t experts;
    bool gallery = false;
  } cases[] = {
      {{}, true, false, 0},
      {{"--expert", "a.so", "--expert", "b.so", "--list"}, true, true, 2},
      {{"--gallery"}, true, false, 0, true},
      {{"--expert"}, false, false, 0},
      {{"--bogus"}, false, false, 0},
  };
  for (const auto& c : cases) {
    std::string error;
    auto options = hostapp::ParseHostOptions(c.args, error);
    ASSERT_EQ(options.has_value(), c.ok) << error;
    if (options)
      EXPECT_EQ(std::tuple(options->list, options->experts.size(), options->gallery),
                std::tuple(c.list, c.experts, c.gallery));
    else
      EXPECT_FALSE(error.empty());
  }
}

TEST(ProjectListing, ListsTheProjectDirectoryAndItsResources) {
  const auto dir = std::filesystem::temp_directory_path() / "vantrel-listing-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "res" / "deeper");
  for (const char* name : {"Demo.bpr", "Demo.cpp", "res/Demo.ico", "res/deeper/skip.txt"})
    std::ofstream(dir / name) << "x";
  const std::string inRes = (std::filesystem::path("res") / "Demo.ico").string();
  EXPECT_EQ(hostapp::ProjectFiles((dir / "Demo.bpr").string()), (std::vector<std::string>{"Demo.bpr", "Demo.cpp", inRes}));
  EXPECT_TRUE(hostapp::ProjectFiles((dir / "missing" / "X.bpr").string()).empty());
  std::filesystem::remove_all(dir);
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
