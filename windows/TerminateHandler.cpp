// The handler that std::terminate calls in the Windows binaries, in place
// of the C++ runtime's own. The runtime's handler names the type of an
// uncaught exception, for which it carries a whole C++ name demangler (some
// 76 KB in every statically linked binary). This one does what that one
// does but for the demangling: it says what went wrong on standard error
// and aborts. It is compiled into each binary itself, which makes the linker
// take it instead of the runtime's definition of the same name.

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  // A second call (an exception thrown while this one reports) goes
  // straight to the abort.
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    if (const std::exception_ptr uncaught = std::current_exception()) {
      try {
        std::rethrow_exception(uncaught);
      } catch (const std::exception& error) {
        std::fputs("terminate called after throwing an exception: ", stderr);
        std::fputs(error.what(), stderr);
        std::fputs("\n", stderr);
      } catch (...) {
        std::fputs("terminate called after throwing an exception\n", stderr);
      }
    } else {
      std::fputs("terminate called without an active exception\n", stderr);
    }
  }
  std::abort();
}

}  // namespace __gnu_cxx
