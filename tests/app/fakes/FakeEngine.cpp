// Stand-ins for the engine library in the analysis-run tests. Built twice: as an engine that
// reads the run-control file of the current folder, leaves a scratch file there and writes a
// plot data file cut off in its first block (or none, or returns a fatal stop: the environment
// variable TERVANE_FAKE_ENGINE says "noplot" or "stop"), and, with FAKE_WITHOUT_ENTRY, as a
// library that does not export the entry at all.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#ifdef FAKE_WITHOUT_ENTRY
extern "C" __attribute__((visibility("default"))) std::int32_t ITERVANE_NOT_HERE(std::int32_t v) {
    return v;
}
#else
extern "C" __attribute__((visibility("default"))) std::int32_t _ITERVANE(std::int32_t version) {
    if (version != 3) return 1;
    std::ifstream names("NAMES.dat");
    std::string line, plot;
    for (int i = 0; i < 4 && std::getline(names, line); ++i)
        plot = line;
    std::ofstream("QKTEMP.001") << "scratch\n";
    const char* mode = std::getenv("TERVANE_FAKE_ENGINE");
    if (mode && std::strcmp(mode, "stop") == 0) return 2;
    if (mode && std::strcmp(mode, "noplot") == 0) return 0;
    std::ofstream(plot) << " 3\n   0.000E+00   0.100E+01   0.100E-06   0.100E+01\n"
                           "   0.120E+03   0.200E+01\n";
    return 0;
}
#endif
