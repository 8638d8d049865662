// Writes a realistic ADIF log for the import benchmark: make_adif PATH [RECORDS].
#include <cstdio>
#include <cstdlib>

#include "adif_log_generator.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_adif PATH [RECORDS]\n");
        return 2;
    }
    const int records = argc > 2 ? std::atoi(argv[2]) : 1000000;
    if (!zorva::bench::WriteRealisticLog(argv[1], records)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
