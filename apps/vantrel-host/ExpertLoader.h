#pragma once

#include <string>
#include <vector>

#include "apps/vantrel-host/Gallery.h"
#include "host/TIToolServices.h"

namespace vantrel::hostapp {

// Loads expert libraries the way the IDE does: opens the library, looks up
// its entry point, and calls it with the tool services and a registration
// procedure that files each expert in the gallery. The libraries stay
// loaded until the loader is destroyed, which first has the gallery release
// its experts and runs each library's termination procedure.
class ExpertLoader {
 public:
  static constexpr const char* kEntryPoint = "INITEXPERT0017";

  ExpertLoader(TIToolServices& services, Gallery& gallery) : services_(services), gallery_(gallery) {}
  ExpertLoader(const ExpertLoader&) = delete;
  ExpertLoader& operator=(const ExpertLoader&) = delete;
  ~ExpertLoader();

  // Loads one library; on failure returns false and sets error.
  bool Load(const std::string& path, std::string& error);

  // Loads the named libraries, or else the wizard's own from where it is
  // built or installed, adding a line to errors for each failure. False when
  // no expert got registered.
  bool LoadAll(const std::vector<std::string>& named, std::string& errors);

  // Loads as LoadAll does and adds the gallery's lines to out (--list);
  // returns the host's exit status.
  int PrintGallery(const std::vector<std::string>& named, std::string& out, std::string& errors);

  // PrintGallery onto standard output, its errors onto standard error: the
  // whole of --list on every system.
  int ListGallery(const std::vector<std::string>& named);

 private:
  struct Loaded {
    void* handle;
    TerminateProc terminate;
  };
  TIToolServices& services_;
  Gallery& gallery_;
  std::vector<Loaded> libraries_;
};

}  // namespace vantrel::hostapp
