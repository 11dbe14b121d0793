#include "apps/vantrel/Interruption.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantrel::cli {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void NoteSignal(int signal) { caught = signal; }

}  // namespace

void Interruption::Install() {
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
  if (const char* hook = std::getenv("VANTREL_TEST_INTERRUPT"))
    if (std::sscanf(hook, "%d:%d", &raiseSignal_, &raiseAfter_) != 2) raiseAfter_ = -1;
  if (raiseAfter_ == 0) std::raise(raiseSignal_);
}

std::string SignalName(int signal) { return strsignal(signal); }

int Interruption::Caught() const { return caught; }

void Interruption::FileDone(const FileOutcome&) {
  if (++filesDone_ == raiseAfter_) std::raise(raiseSignal_);
}

}  // namespace vantrel::cli
