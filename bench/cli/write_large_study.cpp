// write-large-study PATH: writes the 150-observation study the benchmarks use, for timing the
// command-line tool from outside.

#include "LargeStudy.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write-large-study PATH\n";
        return 2;
    }
    try {
        linealidad::bench::writeLargeStudy(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
