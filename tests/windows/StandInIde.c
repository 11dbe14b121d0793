/* A stand-in for the IDE's process, built as bcb.exe for the installer
 * test: it makes READY-FILE once it runs and then waits until STOP-FILE
 * exists (two minutes at most, so that a failed test leaves nothing
 * behind), while the test runs the installer and the uninstaller.
 *
 *   bcb.exe READY-FILE STOP-FILE
 */
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (ready == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(ready);
  for (int tenths = 0; tenths < 1200; ++tenths) {
    if (GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES) return 0;
    Sleep(100);
  }
  return 1;
}
