// The backend the expert library falls back to without a display: every run
// is cancelled at once, nothing is written or asked of the host, and the
// backend keeps nothing from one run to the next.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/vantrel-host/HostToolServices.h"
#include "host/ExpertLibrary.h"
#include "host/MFCVantrel.h"
#include "host/NoUserBackend.h"
#include "host/RunNewProject.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "tests/TestSupport.h"

namespace vantrel::host {
namespace {

// It holds no state at all, so a library that lives as long as the host
// cannot grow however often the expert runs.
static_assert(sizeof(NoUserBackend) == sizeof(Backend));

// The expert handed to the registration procedure.
TIExpert* registered = nullptr;
HostBool Keep(TIExpert* expert) {
  registered = expert;
  return true;
}

struct Unattended : ::testing::Test {
  NoUserBackend backend;
  MemoryFileSystem files;
  TApplication application{backend, files};

  Unattended() { files.AddDirectory("C:\\Work"); }
};

TEST_F(Unattended, EveryRunIsCancelledAndLeavesNothingBehind) {
  test::RecordingOpener opener;
  for (int run = 0; run < 3; ++run) {
    RunNewProject(application, &opener);
    EXPECT_TRUE(application.Components().empty()) << run;  // Every dialog destroyed.
  }
  EXPECT_TRUE(opener.calls.empty());
  EXPECT_TRUE(files.Files().empty());
}

TEST_F(Unattended, TheRegisteredExpertRunsWithoutAskingTheHost) {
  ExpertLibrary library{application};
  hostapp::HostToolServices services;
  registered = nullptr;
  ASSERT_TRUE(library.Register(&services, Keep, nullptr));
  ASSERT_NE(registered, nullptr);
  registered->Execute();
  registered->Execute();
  EXPECT_EQ(services.Record(), std::vector<std::string>{"parent window"});
  EXPECT_TRUE(application.Components().empty());
  registered->Release();
}

TEST_F(Unattended, MessageBoxesAreDeclined) {
  const struct {
    MessageButtons buttons;
    TModalResult answer;
  } cases[] = {
      {MessageButtons::Ok, mrOk},
      {MessageButtons::OkCancel, mrCancel},
      {MessageButtons::YesNo, mrNo},
      {MessageButtons::YesNoCancel, mrCancel},
  };
  for (const auto& c : cases)
    EXPECT_EQ(application.MessageBox("Overwrite?", "New", MessageIcon::Question, c.buttons), c.answer);
}

}  // namespace
}  // namespace vantrel::host
