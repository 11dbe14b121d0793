#include <csignal>
#include <cstring>

#include "apps/vantrel/Interruption.h"

namespace vantrel::cli {

void InstallSignalHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

std::string SignalName(int signal) { return strsignal(signal); }

}  // namespace vantrel::cli
