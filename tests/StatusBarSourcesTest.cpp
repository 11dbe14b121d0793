#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "tests/OutlineTable.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const char* const kFiles[] = {"statbar.cpp", "statbar.h"};

// A run puts both files into the location by the separator rule, with the
// bytes of every other project.
TEST(StatusBarSources, WrittenIntoTheLocationByTheSeparatorRule) {
  struct Case {
    const char* location;
    const char* directory;
  } cases[] = {{"C:\\Work", "C:\\Work\\"}, {"C:\\", "C:\\"}, {"D:\\Deep\\Dir\\", "D:\\Deep\\Dir\\"}};
  for (const auto& c : cases) {
    MemoryFileSystem fs;
    fs.AddDirectory(c.location);
    test::RecordingOpener opener;
    auto settings = test::Settings("Other", c.location, "CListView");
    GenerationRun(settings, fs, &opener, codepage::kWestern);
    for (const char* file : kFiles) {
      const auto* written = fs.Find(std::string(c.directory) + file);
      ASSERT_NE(written, nullptr) << c.directory << file;
      EXPECT_EQ(written->content, test::Render(file, test::Settings("Demo"))) << c.directory << file;
    }
  }
}

// Each bar's header declares only the old class and ends with the macro that
// makes the usual name stand for it; the source defines every member through
// the usual name, never the old one, and the header declares each of them.
TEST(ControlBarSources, UsualNameStandsForTheOldClass) {
  struct Case {
    const char* header;
    const char* source;
    std::string usual, old;
    std::size_t members;
  } cases[] = {{"statbar.h", "statbar.cpp", "CStatusBar", "COldStatusBar", 31},
               {"toolbar.h", "toolbar.cpp", "CToolBar", "COldToolBar", 34}};
  for (const auto& c : cases) {
    const auto header = test::RenderLines(c.header, test::Settings("Demo"));
    std::string declarations;
    for (const auto& line : header) {
      declarations += line + "\n";
      if (line.rfind("//", 0) != 0 && line != "#define " + c.usual + " " + c.old) {
        EXPECT_EQ(line.find(c.usual), std::string::npos) << c.header << ": " << line;
      }
    }
    std::set<std::string> defined;
    for (const auto& line : test::RenderLines(c.source, test::Settings("Demo"))) {
      EXPECT_EQ(line.find(c.old), std::string::npos) << c.source << ": " << line;
      const auto at = line.find(c.usual + "::");
      if (at == std::string::npos || line.front() == ' ' || line.rfind("//", 0) == 0) continue;
      const auto name = at + c.usual.size() + 2;
      defined.insert(line.substr(name, line.find('(', at) - name));
    }
    EXPECT_EQ(defined.size(), c.members) << c.source;
    for (std::string name : defined) {
      if (name == c.usual || name == "~" + c.usual) name.replace(name.find(c.usual), c.usual.size(), c.old);
      bool declared = false;
      for (auto at = declarations.find(name + "("); at != std::string::npos && !declared;
           at = declarations.find(name + "(", at + 1))
        declared = !std::isalnum(static_cast<unsigned char>(declarations[at - 1])) && declarations[at - 1] != '_';
      EXPECT_TRUE(declared) << c.header << " lacks " << name;
    }
  }
}

}  // namespace
}  // namespace vantrel
