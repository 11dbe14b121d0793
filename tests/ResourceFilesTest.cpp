#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace vantrel {
namespace {

// The run makes "res" just before the extension script and does not mind
// one that exists; it rewrites what a former run left there.
TEST(ResourceFiles, ExtensionScriptGoesIntoTheResourceDirectory) {
  for (bool existing : {false, true}) {
    test::Generated g;
    if (existing) {
      g.fs.AddDirectory("C:\\Work\\res");
      g.fs.AddFile("C:\\Work\\res\\Demo.rc2", "old");
    }
    test::Generate(g, test::Settings("Demo"));
    ASSERT_TRUE(g.fs.DirectoryExists("C:\\Work\\res")) << existing;
    EXPECT_EQ(g.Text("res\\Demo.rc2"), test::Render("res\\{Name}.rc2", test::Settings("Demo"))) << existing;
    std::vector<std::string> order;
    for (const auto& path : g.fs.CreateLog())
      if (path == "C:\\Work\\Demo.rc" || path == "C:\\Work\\res\\Demo.rc2" || path == "C:\\Work\\resource.h")
        order.push_back(path);
    EXPECT_EQ(order,
              (std::vector<std::string>{"C:\\Work\\Demo.rc", "C:\\Work\\res\\Demo.rc2", "C:\\Work\\resource.h"}));
  }
}

}  // namespace
}  // namespace vantrel
