// The expert's registration and identity, and the stand-in host's side of
// the boundary, exercised in-process through the same interfaces.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apps/vantrel-host/Gallery.h"
#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/HostToolServices.h"
#include "apps/vantrel-host/ProjectListing.h"
#include "host/ExpertLibrary.h"
#include "host/HostString.h"
#include "host/MFCVantrel.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/HeadlessBackend.h"

namespace vantrel::host {
namespace {

using hostapp::Gallery;
using hostapp::HostToolServices;

// Everything a registration touches: the experts handed over and the
// termination procedure.
struct Registration {
  static inline std::vector<TIExpert*> experts;
  static HostBool Register(TIExpert* expert) {
    experts.push_back(expert);
    return true;
  }
  Registration() { experts.clear(); }
  ~Registration() {
    for (TIExpert* expert : experts) expert->Release();
  }
};

struct LibraryFixture : ::testing::Test {
  HeadlessBackend backend;
  MemoryFileSystem files;
  TApplication application{backend, files};
  ExpertLibrary library{application};
  HostToolServices services;
  Registration registration;
};

TEST_F(LibraryFixture, RegistersOnceAndAdoptsTheHostWindow) {
  services.SetParentWindow(0x4242);
  TerminateProc terminate = nullptr;
  EXPECT_TRUE(library.Register(&services, Registration::Register, &terminate));
  ASSERT_EQ(Registration::experts.size(), 1u);
  EXPECT_EQ(application.Handle(), 0x4242u);
  ASSERT_NE(terminate, nullptr);
  terminate();
  EXPECT_EQ(Registration::experts[0]->RefCount(), 1);

  EXPECT_FALSE(library.Register(&services, Registration::Register, &terminate));
  EXPECT_EQ(Registration::experts.size(), 1u);
  EXPECT_EQ(services.Record(), std::vector<std::string>{"parent window"});
}

TEST_F(LibraryFixture, RefusalsLeaveTheNextCallFree) {
  struct Case {
    const char* what;
    bool nullServices;
    bool nullProc;
  };
  for (const Case& c : {Case{"null tool services", true, false}, Case{"null registration procedure", false, true}}) {
    TerminateProc terminate = nullptr;
    EXPECT_FALSE(library.Register(c.nullServices ? nullptr : &services,
                                  c.nullProc ? nullptr : Registration::Register, &terminate))
        << c.what;
    EXPECT_EQ(terminate, nullptr) << c.what;
    EXPECT_TRUE(Registration::experts.empty()) << c.what;
    EXPECT_EQ(library.Opener(), nullptr) << c.what;
  }
  // A null termination variable is not written through.
  EXPECT_TRUE(library.Register(&services, Registration::Register, nullptr));
  EXPECT_EQ(Registration::experts.size(), 1u);
}

TEST_F(LibraryFixture, OpenerCallsCloseThenOpenWithTheWholePath) {
  ASSERT_TRUE(library.Register(&services, Registration::Register, nullptr));
  ASSERT_NE(library.Opener(), nullptr);
  library.Opener()->CloseProject();
  library.Opener()->OpenFile("C:\\Work\\Demo.bpr");
  EXPECT_EQ(services.Record(),
            (std::vector<std::string>{"parent window", "close project", "open C:\\Work\\Demo.bpr"}));
  EXPECT_EQ(services.CurrentProject(), "C:\\Work\\Demo.bpr");
}

TEST_F(LibraryFixture, CancelledRunWritesNothingAndAsksNothing) {
  ASSERT_TRUE(library.Register(&services, Registration::Register, nullptr));
  backend.Expect("TNewDlg", [](UserDriver& user) { user.Click("CancelBtn"); });
  Registration::experts[0]->Execute();
  EXPECT_EQ(backend.Shown(), std::vector<std::string>{"TNewDlg"});
  EXPECT_EQ(services.Record(), std::vector<std::string>{"parent window"});
  EXPECT_TRUE(backend.Problems().empty());
}

TEST(Gallery, ListsTheExpertByItsIdentity) {
  Registration registration;
  Gallery gallery;
  gallery.Add(new MFCVantrel);
  ASSERT_EQ(gallery.Page("New").size(), 1u);
  EXPECT_TRUE(gallery.Page("Projects").empty());
  EXPECT_EQ(gallery.ListLines(),
            std::vector<std::string>{"New | MFC Vantrel(exe) VC 4.2 Mode | MFC Vantrel(exe) in Borland C++ Builder "
                                     "3.0 (VC++ 4.2 Mode) | MFCVantrel.VC42 | 2 (project)"});
  const auto& entry = gallery.Entries()[0];
  ASSERT_NE(entry.glyph, nullptr);
  EXPECT_EQ(entry.glyph->width, 32);
  EXPECT_FALSE(entry.author.empty());
}

TEST(HostString, CountsReferencesAndCopiesOnAssign) {
  HostString a("text");
  EXPECT_EQ(HostStrRefCount(a.get()), 1);
  {
    HostString b = a;
    EXPECT_EQ(b.get(), a.get());
    EXPECT_EQ(HostStrRefCount(a.get()), 2);
  }
  EXPECT_EQ(HostStrRefCount(a.get()), 1);
  // Assigning from a string's own text must not read freed memory.
  HostStr s = HostStrNew("self");
  HostStrAssign(&s, HostStrView(s));
  EXPECT_EQ(HostStrView(s), "self");
  HostStrRelease(s);
  EXPECT_EQ(HostStrNew(""), nullptr);
  EXPECT_EQ(HostStrLength(nullptr), 0u);
}

TEST(HostToolServices, RecordsSlotsTheExpertMustNotUse) {
  HostToolServices services;
  services.SaveProject();
  services.GetUnitCount();
  EXPECT_EQ(services.Record(), (std::vector<std::string>{"unexpected slot 5", "unexpected slot 12"}));
}

TEST(HostOptions, ParsesTheCommandLine) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    bool list;
    std::size_t experts;
    bool gallery = false;
  };
  const Case cases[] = {
      {{}, true, false, 0},
      {{"--list"}, true, true, 0},
      {{"--expert", "a.so", "--expert", "b.so", "--list"}, true, true, 2},
      {{"--gallery"}, true, false, 0, true},
      {{"--expert"}, false, false, 0},
      {{"--bogus"}, false, false, 0},
  };
  for (const Case& c : cases) {
    std::string error;
    auto options = hostapp::ParseHostOptions(c.args, error);
    ASSERT_EQ(options.has_value(), c.ok) << error;
    if (!options) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(options->list, c.list);
    EXPECT_EQ(options->experts.size(), c.experts);
    EXPECT_EQ(options->gallery, c.gallery);
  }
}

TEST(ProjectListing, ListsTheProjectDirectoryAndItsResources) {
  const auto dir = std::filesystem::temp_directory_path() / "vantrel-listing-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "res" / "deeper");
  for (const char* name : {"Demo.bpr", "Demo.cpp", "res/Demo.ico", "res/deeper/skip.txt"})
    std::ofstream(dir / name) << "x";
  EXPECT_EQ(hostapp::ProjectFiles(dir.string() + "\\Demo.bpr"),
            (std::vector<std::string>{"Demo.bpr", "Demo.cpp", "res/Demo.ico"}));
  EXPECT_TRUE(hostapp::ProjectFiles((dir / "missing" / "X.bpr").string()).empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vantrel::host
