/* Loads the built expert library the way the host does and calls every
   operation by its position in the object's table, so that the layout of
   the expert, of the counted strings and of the tool services is checked
   from outside, in C, with no C++ declarations at all. The same checks run
   against the Linux library and, under Wine, against the Windows one.

   Usage: vantrel_expert_c_test PATH-TO-LIBRARY */

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* What differs between the two systems: loading, looking up names, the
   calling convention of every operation, the allocator of counted strings
   (the one every module of the process shares) and the glyph. */
#if defined(_WIN32)
#include <windows.h>
#define HOST_CALL __stdcall
typedef HMODULE Library;
static Library OpenLibrary(const char* path) { return LoadLibraryA(path); }
static const char* LoadError(void) { return "LoadLibraryA failed"; }
static void* Symbol(Library library, const char* name) {
  void* address;
  FARPROC found = GetProcAddress(library, name);
  memcpy(&address, &found, sizeof address);
  return address;
}
static void* StrAllocate(size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }
static void StrFree(void* block) { HeapFree(GetProcessHeap(), 0, block); }
static void NoDisplay(void) {}

/* The glyph is an icon handle: its colour bitmap gives the size. */
static void GlyphSize(void* glyph, int* width, int* height, int* opaque) {
  ICONINFO info;
  BITMAP colour;
  *width = *height = *opaque = 0;
  if (!GetIconInfo((HICON)glyph, &info)) return;
  if (info.hbmColor && GetObjectA(info.hbmColor, sizeof colour, &colour)) {
    *width = colour.bmWidth;
    *height = colour.bmHeight;
    *opaque = 1; /* The mask's content is checked with the decoded pictures. */
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

/* The names the library shows, and some it must not. */
static const char* const kVisible[] = {"INITEXPERT0017", "NewDlg", "DirChooser", "Vantrel", "NewProInfo"};
static const char* const kHidden[] = {"_INITEXPERT0017@12", "INITEXPERT0017@12", "_ZN7vantrel6NewDlgE",
                                      "_ZN7vantrel4host16TheExpertLibraryEv", "HostStrNew"};
#else
#include <dlfcn.h>
#define HOST_CALL
typedef void* Library;
static Library OpenLibrary(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }
static const char* LoadError(void) { return dlerror(); }
static void* Symbol(Library library, const char* name) { return dlsym(library, name); }
static void* StrAllocate(size_t bytes) { return malloc(bytes); }
static void StrFree(void* block) { free(block); }
/* Without a display the library's dialogs close at once as cancelled. */
static void NoDisplay(void) { unsetenv("DISPLAY"); }

/* The glyph is a picture: width, height, then 0xAARRGGBB pixels. */
typedef struct Icon {
  int32_t width;
  int32_t height;
  const uint32_t* pixels;
} Icon;

static void GlyphSize(void* glyph, int* width, int* height, int* opaque) {
  const Icon* icon = glyph;
  *width = icon->width;
  *height = icon->height;
  *opaque = 0;
  for (int i = 0; icon->pixels && i < icon->width * icon->height; ++i) *opaque += (icon->pixels[i] >> 24) != 0;
}

static const char* const kVisible[] = {"INITEXPERT0017", "_ZN7vantrel6NewDlgE", "_ZN7vantrel10DirChooserE",
                                       "_ZN7vantrel7VantrelE", "_ZN7vantrel10NewProInfoE"};
static const char* const kHidden[] = {"_ZN7vantrel4host16TheExpertLibraryEv",
                                      "_ZN7vantrel4host10HostStrNewESt17basic_string_viewIcSt11char_traitsIcEE",
                                      "_ZN7vantrel13GenerationRunERNS_15ProjectSettingsERNS_10FileSystemEPNS_13ProjectOpenerEi"};
#endif

typedef void (*AnyFn)(void);

/* Every interface: a table of operations, then a 32-bit reference count. */
typedef struct Object {
  AnyFn const* table;
  int32_t refCount;
} Object;

typedef int32_t(HOST_CALL* IntOp)(Object*);
typedef uint32_t(HOST_CALL* FlagsOp)(Object*);
typedef void(HOST_CALL* StringOp)(Object*, char**);
typedef void(HOST_CALL* VoidOp)(Object*);
typedef void*(HOST_CALL* GlyphOp)(Object*);

typedef _Bool(HOST_CALL* RegisterProc)(Object*);
typedef void(HOST_CALL* TermProc)(void);
typedef _Bool(HOST_CALL* EntryPoint)(Object*, RegisterProc, TermProc*);

static int failures = 0;

#define CHECK(cond, ...)                                    \
  do {                                                      \
    if (!(cond)) {                                          \
      ++failures;                                           \
      fprintf(stderr, "%s:%d: failed: %s: ", __FILE__, __LINE__, #cond); \
      fprintf(stderr, __VA_ARGS__);                         \
      fputc('\n', stderr);                                  \
    }                                                       \
  } while (0)

/* ---- Counted strings: int32 count, int32 length, bytes, NUL. ---------- */

static int32_t StrRefCount(const char* s) { return ((const int32_t*)(const void*)s)[-2]; }
static int32_t StrLength(const char* s) { return ((const int32_t*)(const void*)s)[-1]; }

static char* StrNew(const char* text) {
  size_t n = strlen(text);
  char* block = StrAllocate(8 + n + 1);
  int32_t header[2] = {1, (int32_t)n};
  memcpy(block, header, sizeof header);
  memcpy(block + 8, text, n + 1);
  return block + 8;
}

static void StrRelease(char* s) {
  if (s == NULL) return;
  int32_t* header = (int32_t*)(void*)(s - 8);
  if (--header[0] == 0) StrFree(header);
}

/* ---- A host's tool services, recording which slots were called. ------- */

enum { kToolSlots = 15 };
static int toolCalls[kToolSlots];
static char openedPath[512];
static const uintptr_t kHostWindow = 0x5A17;

static Object toolServices;

static int32_t HOST_CALL TsAddRef(Object* self) { return ++self->refCount; }
static int32_t HOST_CALL TsRelease(Object* self) { return --self->refCount; }
static int32_t HOST_CALL TsVersion(Object* self) { (void)self; return 3; }
static _Bool HOST_CALL TsCloseProject(Object* self) { (void)self; ++toolCalls[3]; return 1; }
static _Bool HOST_CALL TsOpenFile(Object* self, char* path) {
  (void)self;
  ++toolCalls[9];
  snprintf(openedPath, sizeof openedPath, "%s", path ? path : "");
  return 1;
}
static uintptr_t HOST_CALL TsParentHandle(Object* self) { (void)self; ++toolCalls[14]; return kHostWindow; }
/* Slots the library must never call. */
#define UNUSED_SLOT(n) static void HOST_CALL TsUnused##n(Object* self) { (void)self; ++toolCalls[n]; }
UNUSED_SLOT(4) UNUSED_SLOT(5) UNUSED_SLOT(6) UNUSED_SLOT(7) UNUSED_SLOT(8)
UNUSED_SLOT(10) UNUSED_SLOT(11) UNUSED_SLOT(12) UNUSED_SLOT(13)

static AnyFn const toolTable[kToolSlots] = {
    (AnyFn)TsAddRef,    (AnyFn)TsRelease,  (AnyFn)TsVersion,   (AnyFn)TsCloseProject,
    (AnyFn)TsUnused4,   (AnyFn)TsUnused5,  (AnyFn)TsUnused6,   (AnyFn)TsUnused7,
    (AnyFn)TsUnused8,   (AnyFn)TsOpenFile, (AnyFn)TsUnused10,  (AnyFn)TsUnused11,
    (AnyFn)TsUnused12,  (AnyFn)TsUnused13, (AnyFn)TsParentHandle,
};

/* ---- The host's registration procedure. ------------------------------- */

static Object* registered[4];
static int registrations = 0;

static _Bool HOST_CALL Register(Object* expert) {
  if (registrations < 4) registered[registrations] = expert;
  ++registrations;
  return 1;
}

static AnyFn Slot(Object* object, int slot) { return object->table[slot]; }

static int ToolCallsBesides(int a, int b) {
  int n = 0;
  for (int i = 0; i < kToolSlots; ++i)
    if (i != a && i != b) n += toolCalls[i];
  return n;
}

/* ---- The checks. ----------------------------------------------------- */

static void CheckRegistration(EntryPoint entry) {
  TermProc terminate = NULL;

  /* A null tool-services object registers nothing and leaves the next call free. */
  CHECK(entry(NULL, Register, &terminate) == 0, "null tool services must not register");
  CHECK(registrations == 0, "registered %d experts", registrations);
  CHECK(terminate == NULL, "termination procedure set without registering");

  toolServices.table = toolTable;
  toolServices.refCount = 1;
  CHECK(entry(&toolServices, Register, &terminate) == 1, "first real registration failed");
  CHECK(registrations == 1, "registered %d experts", registrations);
  CHECK(toolCalls[14] == 1, "parent window asked %d times", toolCalls[14]);
  CHECK(ToolCallsBesides(14, 14) == 0, "registration called other tool services");
  CHECK(terminate != NULL, "no termination procedure");
  if (terminate) terminate();

  /* At most once. */
  CHECK(entry(&toolServices, Register, &terminate) == 0, "second registration accepted");
  CHECK(registrations == 1, "registered %d experts", registrations);
  CHECK(toolCalls[14] == 1, "parent window asked again");
  CHECK(toolServices.refCount == 1, "tool services count changed to %d", toolServices.refCount);
}

static void CheckCounting(Object* expert) {
  CHECK(expert->refCount == 1, "count starts at %d", expert->refCount);
  CHECK(((IntOp)Slot(expert, 2))(expert) == 3, "interface version");
  CHECK(((IntOp)Slot(expert, 0))(expert) == 2, "add a reference");
  CHECK(expert->refCount == 2, "count field after add: %d", expert->refCount);
  CHECK(((IntOp)Slot(expert, 1))(expert) == 1, "release");
  CHECK(expert->refCount == 1, "count field after release: %d", expert->refCount);
}

static const struct {
  int slot;
  const char* text; /* NULL: any non-empty text */
} kStrings[] = {
    {3, "MFC Vantrel(exe) VC 4.2 Mode"},
    {4, NULL},
    {5, "MFC Vantrel(exe) in Borland C++ Builder 3.0 (VC++ 4.2 Mode)"},
    {6, "New"},
    {10, "MFCVantrel.VC42"},
};

static void CheckStrings(Object* expert) {
  for (size_t i = 0; i < sizeof kStrings / sizeof kStrings[0]; ++i) {
    int slot = kStrings[i].slot;
    StringOp op = (StringOp)Slot(expert, slot);
    char* first = NULL;
    op(expert, &first);
    CHECK(first != NULL, "slot %d returned the empty string", slot);
    if (first == NULL) continue;
    CHECK(StrRefCount(first) == 1, "slot %d count %d", slot, StrRefCount(first));
    CHECK(StrLength(first) == (int32_t)strlen(first), "slot %d length field %d", slot, StrLength(first));
    if (kStrings[i].text) CHECK(strcmp(first, kStrings[i].text) == 0, "slot %d gave '%s'", slot, first);

    /* A second call makes a new copy and drops the caller's old string. */
    char* held = first;
    ++((int32_t*)(void*)(held - 8))[0]; /* keep one reference of our own */
    char* second = held;
    op(expert, &second);
    CHECK(second != held, "slot %d returned the same block twice", slot);
    CHECK(StrRefCount(held) == 1, "slot %d did not release the old result", slot);
    CHECK(second && strcmp(second, held) == 0, "slot %d changed its text", slot);
    StrRelease(held);
    StrRelease(second);
  }

  /* A result the host made is released by the expert, through the
     allocator that both share. */
  char* hostMade = StrNew("made by the host");
  ((StringOp)Slot(expert, 6))(expert, &hostMade);
  CHECK(hostMade && strcmp(hostMade, "New") == 0, "page after a host string: '%s'", hostMade ? hostMade : "");
  StrRelease(hostMade);

  /* The menu text: the result is left exactly as the caller set it. */
  StringOp menu = (StringOp)Slot(expert, 11);
  char* result = NULL;
  menu(expert, &result);
  CHECK(result == NULL, "menu text not empty");
  char* mine = StrNew("untouched");
  result = mine;
  menu(expert, &result);
  CHECK(result == mine && StrRefCount(mine) == 1, "menu text touched its result");
  StrRelease(mine);
}

static void CheckIdentity(Object* expert) {
  void* glyph = ((GlyphOp)Slot(expert, 7))(expert);
  CHECK(glyph != NULL, "no glyph");
  if (glyph) {
    int width, height, opaque;
    GlyphSize(glyph, &width, &height, &opaque);
    CHECK(width == 32 && height == 32, "glyph %dx%d", width, height);
    CHECK(opaque > 0, "glyph without colour");
  }
  CHECK(((GlyphOp)Slot(expert, 7))(expert) == glyph, "glyph handle changes");
  CHECK(((IntOp)Slot(expert, 8))(expert) == 2, "style");
  ((FlagsOp)Slot(expert, 9))(expert); /* state: any value, but callable */
}

static void CheckRun(Object* expert) {
  /* Without a display the new project dialog closes as cancelled: nothing
     is written and no tool service is used. */
  int before[kToolSlots];
  memcpy(before, toolCalls, sizeof before);
  ((VoidOp)Slot(expert, 12))(expert);
  CHECK(memcmp(before, toolCalls, sizeof before) == 0, "a cancelled run called the tool services");
}

static void CheckExports(Library library) {
  for (size_t i = 0; i < sizeof kVisible / sizeof kVisible[0]; ++i)
    CHECK(Symbol(library, kVisible[i]) != NULL, "%s not exported", kVisible[i]);
  for (size_t i = 0; i < sizeof kHidden / sizeof kHidden[0]; ++i)
    CHECK(Symbol(library, kHidden[i]) == NULL, "%s exported", kHidden[i]);
  /* The dialog instances are variables, empty while no dialog is open. */
  for (size_t i = 1; i < sizeof kVisible / sizeof kVisible[0]; ++i) {
    void* const* instance = Symbol(library, kVisible[i]);
    CHECK(instance == NULL || *instance == NULL, "%s set with no dialog open", kVisible[i]);
  }
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s PATH-TO-EXPERT-LIBRARY\n", argv[0]);
    return 2;
  }
  NoDisplay();
  Library library = OpenLibrary(argv[1]);
  if (library == NULL) {
    fprintf(stderr, "cannot load %s: %s\n", argv[1], LoadError());
    return 1;
  }
  CheckExports(library);
  EntryPoint entry = NULL;
  void* entryAddress = Symbol(library, "INITEXPERT0017");
  memcpy(&entry, &entryAddress, sizeof entry);
  if (entry == NULL) {
    fprintf(stderr, "no entry point\n");
    return 1;
  }
  CheckRegistration(entry);
  if (registrations == 1 && registered[0] != NULL) {
    Object* expert = registered[0];
    CheckCounting(expert);
    CheckStrings(expert);
    CheckIdentity(expert);
    CheckRun(expert);
    CHECK(((IntOp)Slot(expert, 1))(expert) == 0, "last release");
  }
  if (failures == 0) puts("expert library: all checks passed");
  return failures == 0 ? 0 : 1;
}
