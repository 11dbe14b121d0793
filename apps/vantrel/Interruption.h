#pragma once

#include <string>

#include "generator/GenerationRun.h"

namespace vantrel::cli {

// Ends a run cleanly on SIGINT, SIGTERM, SIGHUP or any other signal that
// would end the process (see InstallSignalHandler). The handlers only note
// the signal; the run asks before each file and before putting each in
// place, drops the files written and takes back those placed (so the
// location is as it was, with no temporary file behind) and returns its
// report, which the command prints before it exits with 128 + the signal
// number. Only the command installs these handlers: the library
// lives in the host's process and installs none.
class Interruption : public RunObserver {
 public:
  // Installs the handlers. Also reads the test hook VANTREL_TEST_INTERRUPT
  // ("SIGNAL:STEPS", e.g. "15:3"): the command then raises that signal
  // itself once that many steps are done, so that a test can interrupt a
  // run at a chosen point. The steps are the files written whole (1 to
  // 23), then the files put in place (24 to 46): "9:30" kills the run once
  // it has put 7 files in place.
  void Install();

  // The signal noted, 0 when none was.
  int Caught() const;

  bool StopRequested() override { return Caught() != 0; }
  void FileDone(const FileOutcome&) override;
  void FilePlaced(const FileOutcome&) override;

 private:
  int raiseSignal_ = 0;
  int raiseAfter_ = -1;
  int stepsDone_ = 0;

  void StepDone();
};

// What differs per system: the signals that end a run (on Linux every
// catchable one that would end the process; SIGINT, SIGTERM and SIGBREAK on
// Windows) and their names.
void InstallSignalHandler(void (*handler)(int));

// Raises signal in this process, as the test hook asks; on Windows, where
// a process cannot be sent a kill, 9 ends the process at once instead.
void RaiseSignal(int signal);

// The system's name for a signal ("Terminated").
std::string SignalName(int signal);

}  // namespace vantrel::cli
