#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "apps/vantrel/Interruption.h"

namespace vantrel::cli {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void NoteSignal(int signal) { caught = signal; }

}  // namespace

// Windows raises SIGINT for Ctrl+C and SIGBREAK for Ctrl+Break or a closed
// console window, each on a thread of its own, which only notes it.
void Interruption::Install() {
  for (int signal : {SIGINT, SIGTERM, SIGBREAK}) std::signal(signal, NoteSignal);
  if (const char* hook = std::getenv("VANTREL_TEST_INTERRUPT"))
    if (std::sscanf(hook, "%d:%d", &raiseSignal_, &raiseAfter_) != 2) raiseAfter_ = -1;
  if (raiseAfter_ == 0) std::raise(raiseSignal_);
}

std::string SignalName(int signal) {
  switch (signal) {
    case SIGINT: return "Interrupt";
    case SIGTERM: return "Terminated";
    case SIGBREAK: return "Break";
  }
  return "Signal " + std::to_string(signal);
}

int Interruption::Caught() const { return caught; }

void Interruption::FileDone(const FileOutcome&) {
  if (++filesDone_ == raiseAfter_) std::raise(raiseSignal_);
}

}  // namespace vantrel::cli
