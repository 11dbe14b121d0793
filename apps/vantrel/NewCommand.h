#pragma once

#include "apps/vantrel/Interruption.h"
#include "apps/vantrel/NewOptions.h"
#include "apps/vantrel/TextOutput.h"
#include "platform/fs/FileSystem.h"

namespace vantrel::cli {

// Carries out "vantrel new": checks the name, locks the location and checks
// it, prints the summary, writes the project (or lists it, for a dry run)
// and prints the requests it would make of the IDE. Every message names the
// full path and the reason. Returns the exit status; when interruption
// stopped the run, 128 + its signal. The user's ANSI code page is asked of
// ansiCodePage only when the location ends in a backslash byte: only then
// can it change the separator, and finding it reads the locale's files.
int RunNewCommand(const NewOptions& options, FileSystem& fs, int (*ansiCodePage)(), TextOutput& out,
                  TextOutput& err, Interruption* interruption = nullptr);

}  // namespace vantrel::cli
