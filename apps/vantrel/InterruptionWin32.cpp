#include <windows.h>

#include <csignal>
#include <string>

#include "apps/vantrel/Interruption.h"

namespace vantrel::cli {

// Windows raises SIGINT for Ctrl+C and SIGBREAK for Ctrl+Break or a closed
// console window, each on a thread of its own, which only notes it.
void InstallSignalHandler(void (*handler)(int)) {
  for (int signal : {SIGINT, SIGTERM, SIGBREAK}) std::signal(signal, handler);
}

void RaiseSignal(int signal) {
  if (signal == 9) TerminateProcess(GetCurrentProcess(), 128 + 9);
  std::raise(signal);
}

std::string SignalName(int signal) {
  switch (signal) {
    case SIGINT: return "Interrupt";
    case SIGTERM: return "Terminated";
    case SIGBREAK: return "Break";
  }
  return "Signal " + std::to_string(signal);
}

}  // namespace vantrel::cli
