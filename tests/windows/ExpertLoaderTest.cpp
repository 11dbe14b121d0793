// The stand-in host loads the wizard's library from beside itself, and
// refuses a missing one or one without an entry point, with the reason.

#include <gtest/gtest.h>

#include <string>

#include "apps/vantrel-host/ExpertLoader.h"
#include "apps/vantrel-host/Gallery.h"
#include "apps/vantrel-host/HostToolServices.h"

namespace vantrel::hostapp {
namespace {

TEST(ExpertLoader, LoadsTheWizardFromBesideTheProgramAndReleasesItOnUnload) {
  HostToolServices services;
  Gallery gallery;
  {
    ExpertLoader loader(services, gallery);
    std::string errors;
    ASSERT_TRUE(loader.LoadAll({}, errors)) << errors;
    EXPECT_EQ(errors, "");
    ASSERT_EQ(gallery.Entries().size(), 1u);
    EXPECT_EQ(gallery.Entries()[0].id, "MFCVantrel.VC42");
    EXPECT_NE(gallery.Entries()[0].glyph, nullptr);
  }
  // Unloading drops the host's reference to each expert first.
  EXPECT_TRUE(gallery.Entries().empty());
}

TEST(ExpertLoader, RefusesLibrariesItCannotUse) {
  const struct {
    const char* path;
    const char* reason;
  } cases[] = {
      {"no-such-expert.dll", "cannot load no-such-expert.dll: "},
      {"kernel32.dll", "kernel32.dll has no entry point INITEXPERT0017"},
  };
  for (const auto& c : cases) {
    HostToolServices services;
    Gallery gallery;
    ExpertLoader loader(services, gallery);
    std::string error;
    EXPECT_FALSE(loader.Load(c.path, error)) << c.path;
    EXPECT_EQ(error.rfind(c.reason, 0), 0u) << error;
    EXPECT_TRUE(gallery.Entries().empty()) << c.path;
  }
}

}  // namespace
}  // namespace vantrel::hostapp
