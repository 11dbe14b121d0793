#pragma once

#include <string>
#include <vector>

#include "generator/GenerationRun.h"
#include "generator/ProjectOpener.h"
#include "generator/ProjectSettings.h"
#include "platform/fs/FileError.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/FormDescription.h"

namespace vantrel::test {

// Records what the run asks of the host, in order.
class RecordingOpener : public ProjectOpener {
 public:
  void CloseProject() override { calls.push_back("close"); }
  void OpenFile(const std::string& path) override { calls.push_back("open " + path); }
  std::vector<std::string> calls;
};

// Settings as the wizard has them on its sixth step.
inline ProjectSettings Settings(const std::string& name, const std::string& location = "C:\\Work",
                                const std::string& base = "CView") {
  ProjectSettings settings;
  settings.Name = name;
  settings.Location = location;
  settings.ViewBaseClass = base;
  settings.DeriveClassNames();
  return settings;
}

// The text the run's writer for a file (named as in the run's table,
// "{Name}Doc.cpp") produces for the settings, written to no file system.
std::string Render(const std::string& file, const ProjectSettings& settings);

// Generates a project into a fresh in-memory file system holding "C:\Work".
struct Generated {
  MemoryFileSystem fs;
  RecordingOpener opener;
  RunReport report;
  std::string Text(const std::string& relative) const;
};
void Generate(Generated& out, ProjectSettings settings);

// The message of the error of type Error that action raises; empty when none.
template <typename Error = FileError, typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

// A form of class and caption "Sample", 300 by 200 pixels, with the
// controls described.
class SampleForm : public TForm {
 public:
  SampleForm(TComponent* owner, std::vector<ControlRow> controls) : TForm(owner, "Sample") {
    BuildForm(*this, FormLayout{.caption = "Sample", .clientWidth = 300, .clientHeight = 200, .font = TFont{},
                                .controls = std::move(controls)});
  }
};

}  // namespace vantrel::test
