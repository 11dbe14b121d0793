// The backend the expert library falls back to without a display: every run
// is cancelled at once, nothing is written or asked of the host, and the
// backend keeps nothing from one run to the next.

#include <gtest/gtest.h>

#include <utility>

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

TEST_F(Unattended, MessageBoxesAreDeclined) {
  const std::pair<MessageButtons, TModalResult> cases[] = {
      {MessageButtons::Ok, mrOk}, {MessageButtons::OkCancel, mrCancel},
      {MessageButtons::YesNo, mrNo}, {MessageButtons::YesNoCancel, mrCancel}};
  for (auto [buttons, answer] : cases)
    EXPECT_EQ(application.MessageBox("Overwrite?", "New", MessageIcon::Question, buttons), answer);
}

}  // namespace
}  // namespace vantrel::host
