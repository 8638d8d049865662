// Writes a log for the import benchmark: make_adif PATH [RECORDS] gives a realistic log
// (1,000,000 records by default); make_adif --large PATH [RECORDS] a hostile one of 4 MB
// confirmed records (100 by default).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "adif_log_generator.h"

int main(int argc, char** argv) {
    const bool large = argc > 1 && std::string(argv[1]) == "--large";
    const int first = large ? 2 : 1;
    if (argc <= first) {
        std::fprintf(stderr, "usage: make_adif [--large] PATH [RECORDS]\n");
        return 2;
    }
    const char* path = argv[first];
    const int records = argc > first + 1 ? std::atoi(argv[first + 1]) : (large ? 100 : 1000000);
    const bool written = large ? zorva::bench::WriteLargeRecordsLog(path, records)
                               : zorva::bench::WriteRealisticLog(path, records);
    if (!written) {
        std::perror(path);
        return 1;
    }
    return 0;
}
