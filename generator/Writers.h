#pragma once

#include <string>

#include "generator/OutputWriter.h"
#include "generator/ProjectSettings.h"

// The writers of the generated text files, one per file; each appends its
// file's lines to the writer between the run's Create and Commit.
namespace vantrel {

void WriteProjectMakefile(const ProjectSettings& settings, OutputWriter& out);
void WriteProjectUnit(const ProjectSettings& settings, OutputWriter& out);
void WriteApplicationHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteResourceScript(const ProjectSettings& settings, OutputWriter& out);
void WriteResourceExtension(const ProjectSettings& settings, OutputWriter& out);
void WriteResourceHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteDocumentSource(const ProjectSettings& settings, OutputWriter& out);
void WriteDocumentHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteViewSource(const ProjectSettings& settings, OutputWriter& out);
void WriteViewHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteMainFrameSource(const ProjectSettings& settings, OutputWriter& out);
void WriteMainFrameHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteGlobalsSource(const ProjectSettings& settings, OutputWriter& out);
void WriteGlobalsHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteToolBarSource(const ProjectSettings& settings, OutputWriter& out);
void WriteToolBarHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteStatusBarSource(const ProjectSettings& settings, OutputWriter& out);
void WriteStatusBarHeader(const ProjectSettings& settings, OutputWriter& out);
void WriteStdafxCpp(const ProjectSettings& settings, OutputWriter& out);
void WriteStdafxH(const ProjectSettings& settings, OutputWriter& out);

// The bytes of the three picture files of "res\", encoded once from the
// module's own pictures: the tool bar bitmap, the document icon and the
// application icon.
const std::string& ToolBarBitmapFile();
const std::string& DocumentIconFile();
const std::string& ApplicationIconFile();

}  // namespace vantrel
