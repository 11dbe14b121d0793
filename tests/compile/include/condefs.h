// Stand-in for the host IDE's console and project definitions header. The
// project unit names its other units and its resource script with these
// macros, which the IDE reads and the compiler ignores; here each checks
// that it was given a non-empty string literal.
#ifndef __CONDEFS_H
#define __CONDEFS_H

#define _CONDEFS_NAMES_FILE(FileName, what) \
	static_assert(sizeof(FileName "") > 1, what " needs a file name")

#define USEUNIT(FileName) _CONDEFS_NAMES_FILE(FileName, "USEUNIT")
#define USERC(FileName) _CONDEFS_NAMES_FILE(FileName, "USERC")

#endif // __CONDEFS_H
