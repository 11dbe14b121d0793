#pragma once

#include <ostream>

#include "apps/vantrel/NewOptions.h"
#include "platform/fs/FileSystem.h"

namespace vantrel::cli {

// Carries out "vantrel new": checks the name and the location, prints the
// summary, writes the project (or lists it, for a dry run) and prints the
// requests it would make of the IDE. Returns the exit status.
int RunNewCommand(const NewOptions& options, FileSystem& fs, int codePage, std::ostream& out,
                  std::ostream& err);

}  // namespace vantrel::cli
