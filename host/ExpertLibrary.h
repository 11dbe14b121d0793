#pragma once

#include <memory>

#include "generator/ProjectOpener.h"
#include "host/TIToolServices.h"

namespace vantrel {
class TApplication;
}

namespace vantrel::host {

// The library-wide state that the entry point sets once and that lives until
// the host unloads the library: the host's tool services and, through them,
// the window that parents every dialog.
class ExpertLibrary {
 public:
  // The application object owns every dialog; registration makes the
  // host's window its window. While it lives, this is the active library.
  explicit ExpertLibrary(TApplication& application);
  ~ExpertLibrary();
  ExpertLibrary(const ExpertLibrary&) = delete;
  ExpertLibrary& operator=(const ExpertLibrary&) = delete;

  // The library whose expert runs, or null.
  static ExpertLibrary* Active();

  // Registers the expert with the host, at most once: stores the tool
  // services, adopts the host's window, empties the termination procedure
  // and hands one new expert to the registration procedure. False, with
  // nothing created, when already registered or when toolServices or
  // registerProc is null (which leaves the next call free to register).
  HostBool Register(TIToolServices* toolServices, RegisterExpertProc registerProc,
                    TerminateProc* terminate);

  TApplication& Application() const { return application_; }
  TIToolServices* ToolServices() const { return toolServices_; }
  // The open requests of a generation run go to the host; null before
  // registration.
  ProjectOpener* Opener() const { return opener_.get(); }

 private:
  TApplication& application_;
  TIToolServices* toolServices_ = nullptr;
  std::unique_ptr<ProjectOpener> opener_;
};

// The state of this loaded library, made on first use.
ExpertLibrary& TheExpertLibrary();

}  // namespace vantrel::host
