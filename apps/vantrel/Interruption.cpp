#include "apps/vantrel/Interruption.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace vantrel::cli {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void NoteSignal(int signal) { caught = signal; }

}  // namespace

void Interruption::Install() {
  InstallSignalHandler(NoteSignal);
  if (const char* hook = std::getenv("VANTREL_TEST_INTERRUPT"))
    if (std::sscanf(hook, "%d:%d", &raiseSignal_, &raiseAfter_) != 2) raiseAfter_ = -1;
  if (raiseAfter_ == 0) RaiseSignal(raiseSignal_);
}

int Interruption::Caught() const { return caught; }

void Interruption::FileDone(const FileOutcome&) { StepDone(); }

void Interruption::FilePlaced(const FileOutcome&) { StepDone(); }

void Interruption::StepDone() {
  if (++stepsDone_ == raiseAfter_) RaiseSignal(raiseSignal_);
}

}  // namespace vantrel::cli
