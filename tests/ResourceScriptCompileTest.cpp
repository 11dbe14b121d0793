#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/TestSupport.h"

// Feeds the generated resource script to a resource compiler, when the
// machine has one (the MinGW binutils' windres), for both the Windows and
// the Macintosh branches of its guards, against the MinGW platform headers
// and the class library stand-ins of tests/compile/include, with the
// pictures the run wrote.
namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string FindTool(std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0) return name;
  return {};
}

TEST(ResourceScriptCompile, BothBranchesCompile) {
  const std::string windres = FindTool({"x86_64-w64-mingw32-windres", "i686-w64-mingw32-windres", "windres"});
  const std::string clang = FindTool({"clang"});
  const fs::path platform = "/usr/i686-w64-mingw32/include";
  if (windres.empty() || clang.empty() || !fs::exists(platform / "winresrc.h"))
    GTEST_SKIP() << "no resource compiler or platform headers on this machine";
  const fs::path standIns = fs::path(VANTREL_SOURCE_DIR) / "tests" / "compile" / "include";

  const struct {
    const char *name, *defines;
  } cases[] = {{"Demo", ""}, {"demo2", "-D_MAC"}, {"my_app9", ""}};
  for (const auto& c : cases) {
    test::Generated g;
    test::Generate(g, test::Settings(c.name));
    const std::string name = c.name;
    std::string pattern = (fs::temp_directory_path() / "vantrel-rc-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    // On this file system a backslash is part of a file name: the
    // preprocessor looks for "res\\{Name}.rc2" as it stands, the compiler
    // for the pictures with the escape resolved.
    const std::pair<std::string, std::string> files[] = {
        {name + ".rc", name + ".rc"}, {"resource.h", "resource.h"},
        {"res\\\\" + name + ".rc2", "res\\" + name + ".rc2"}, {"res\\" + name + ".ico", "res\\" + name + ".ico"},
        {"res\\" + name + "doc.ico", "res\\" + name + "Doc.ico"}, {"res\\toolbar.bmp", "res\\toolbar.bmp"}};
    for (const auto& [to, from] : files) std::ofstream(dir / to, std::ios::binary) << g.Text(from);
    // clang preprocesses for the 32-bit Windows target, which the platform
    // headers insist on.
    std::string command = "cd '" + dir.string() + "' && " + windres + " --preprocessor=" + clang;
    const std::vector<std::string> args = {"-E", "-xc", "-DRC_INVOKED", "--target=i686-w64-mingw32", "-nostdinc",
                                           "-isystem'" + platform.string() + "'", "-I'" + standIns.string() + "'"};
    for (const auto& arg : args) command += " --preprocessor-arg=" + arg;
    command += " " + std::string(c.defines) + " -i '" + name + ".rc' -O res -o out.res > log.txt 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream log(dir / "log.txt");
    std::string messages((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_EQ(status, 0) << name << " " << c.defines << ":\n" << messages;
    std::error_code error;
    EXPECT_GT(fs::file_size(dir / "out.res", error), 4000u) << name;
    fs::remove_all(dir);
  }
}

}  // namespace
}  // namespace vantrel
