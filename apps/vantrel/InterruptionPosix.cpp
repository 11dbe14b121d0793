#include <csignal>
#include <cstring>

#include "apps/vantrel/Interruption.h"

namespace vantrel::cli {

// Every signal that would end the process and may be caught ends the run
// cleanly instead. SIGPIPE is among them when it is sent; a write into a
// closed pipe then fails with "Broken pipe", which the command reports.
// SIGXFSZ is ignored, so that a file over the size limit fails with "File
// too large" and the other files are still written.
void InstallSignalHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF})
    sigaction(signal, &action, nullptr);
  action.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &action, nullptr);
}

void RaiseSignal(int signal) { std::raise(signal); }

std::string SignalName(int signal) { return strsignal(signal); }

}  // namespace vantrel::cli
