#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

// Feeds the generated resource script to a resource compiler, when the
// machine has one (the MinGW binutils' windres), for both the Windows and
// the Macintosh branches of its guards, against the MinGW platform headers
// and the class library stand-ins of tests/compile/include. The pictures
// are blank ones of the right format, so that only the script is judged.
namespace vantrel {
namespace {

namespace fs = std::filesystem;

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string InfoHeader(int width, int height) {
  std::string h;
  for (auto [value, bytes] : {std::pair{40, 4},
                              {width, 4},
                              {height, 4},
                              {1, 2},
                              {4, 2},
                              {0, 4},
                              {0, 4},
                              {0, 4},
                              {0, 4},
                              {16, 4},
                              {0, 4}})
    Put(h, static_cast<std::uint32_t>(value), bytes);
  return h + std::string(64, '\0');  // The colour table, all black.
}

// A blank 32 x 32 icon of 16 colours.
std::string BlankIcon() {
  std::string image = InfoHeader(32, 64) + std::string(512 + 128, '\0');
  std::string file;
  for (int word : {0, 1, 1}) Put(file, word, 2);
  file += std::string{32, 32, 16, 0};
  Put(file, 1, 2);
  Put(file, 4, 2);
  Put(file, static_cast<std::uint32_t>(image.size()), 4);
  Put(file, 22, 4);
  return file + image;
}

// A blank 144 x 15 bitmap of 16 colours.
std::string BlankBitmap() {
  std::string body = InfoHeader(144, 15) + std::string(72 * 15, '\0');
  std::string file = "BM";
  Put(file, static_cast<std::uint32_t>(14 + body.size()), 4);
  Put(file, 0, 4);
  Put(file, 118, 4);
  return file + body;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

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

  struct Case {
    const char* name;
    const char* defines;
  } cases[] = {{"Demo", ""}, {"demo2", "-D_MAC"}, {"my_app9", ""}};
  for (const auto& c : cases) {
    test::Generated g;
    test::Generate(g, test::Settings(c.name));
    const std::string name = c.name;

    std::string pattern = (fs::temp_directory_path() / "vantrel-rc-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    WriteFile(dir / (name + ".rc"), g.Text(name + ".rc"));
    WriteFile(dir / "resource.h", g.Text("resource.h"));
    // On this file system a backslash is part of a file name: the
    // preprocessor looks for "res\\{Name}.rc2" as it stands, the compiler
    // for the pictures with the escape resolved.
    WriteFile(dir / ("res\\\\" + name + ".rc2"), g.Text("res\\" + name + ".rc2"));
    WriteFile(dir / ("res\\" + name + ".ico"), BlankIcon());
    WriteFile(dir / ("res\\" + name + "doc.ico"), BlankIcon());
    WriteFile(dir / "res\\toolbar.bmp", BlankBitmap());

    // clang preprocesses for the 32-bit Windows target, which the platform
    // headers insist on.
    std::string command = "cd '" + dir.string() + "' && " + windres + " --preprocessor=" + clang;
    const std::vector<std::string> args = {"-E",
                                           "-xc",
                                           "-DRC_INVOKED",
                                           "--target=i686-w64-mingw32",
                                           "-nostdinc",
                                           "-isystem'" + platform.string() + "'",
                                           "-I'" + standIns.string() + "'"};
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
