#pragma once
/*
 * The engine library Tervane2015_DLL (Tervane2015_DLL.so): its one entry and the conditions of a
 * call. Usable from C and C++; the library exports nothing else.
 *
 * A call with TERVANE_INTERFACE_VERSION runs one complete analysis job:
 *  - The working folder is the current folder of the process. The caller writes the run-control
 *    file NAMES.dat there first: the version text, then the paths of the project data file
 *    (.tv5d), the output report (.tv5o), the plot data file (.tv5p) and the run notes (.tv5r),
 *    one a line. Relative paths are taken from the working folder.
 *  - The engine writes the three output files named there (created or replaced), and in the
 *    working folder the scratch files QKTEMP.001 and SOILDATA when a problem needs them and the
 *    empty file debug.dat; these stay there after the call. NAMES.dat is only read.
 *  - One call at a time per process: the engine keeps its data in process-wide storage, so the
 *    entry is not re-entrant and two threads must not call it at once. A process that needs runs
 *    side by side gives each its own process (and working folder).
 *  - The call runs on the caller's thread and returns when the job is over. It never ends the
 *    process and lets no exception out. While it runs SIGPIPE is held on the calling thread, so a
 *    console on a pipe without a reader cannot end the host; the signal mask is restored before
 *    the call returns. A few lines may be written to standard output (the console).
 */

#include <stdint.h>

/* The interface version this header describes; the entry compares its argument with it. */
#define TERVANE_INTERFACE_VERSION 3

/* Results of the entry. */
enum TervaneResult {
    /* The job ran to its end. Every problem either reached its results or stopped on an input
       error, whose message the report holds before "END OF ANALYSIS". */
    TERVANE_RESULT_COMPLETED = 0,
    /* The argument was not TERVANE_INTERFACE_VERSION: nothing was read, opened or written. */
    TERVANE_RESULT_VERSION_MISMATCH = 1,
    /* The job could not be carried out or did not reach its end: NAMES.dat or a file it names
       could not be used, a file could not be written or read back whole, or a soil model met a
       fatal condition. The console (and the report, when it could be written) tells which. */
    TERVANE_RESULT_STOPPED = 2
};

/* The names the entry is exported under (both lead to the same function), for dlsym. */
#define TERVANE_ENTRY_NAME "_ITERVANE"
#define TERVANE_ENTRY_PLAIN_NAME "ITERVANE"
/* The library's file name on this platform. */
#define TERVANE_LIBRARY_FILE_NAME "Tervane2015_DLL.so"

#ifdef __cplusplus
extern "C" {
#endif

/* The entry's type, for a pointer resolved with dlsym. */
typedef int32_t (*TervaneEntryFunction)(int32_t interfaceVersion);

int32_t ITERVANE(int32_t interfaceVersion);
int32_t _ITERVANE(int32_t interfaceVersion);

#ifdef __cplusplus
} /* extern "C" */
#endif
