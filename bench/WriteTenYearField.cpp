// Writes the benchmarks' ten-year daily field as an input file, for the runner and the window.
//
//   vantorel_ten_year_field FILE.inp

#include <iostream>

#include "bench/TenYearField.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "model/TextFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: vantorel_ten_year_field FILE.inp\n";
        return 2;
    }
    vantorel::InputData field = vantorel::bench::TenYearField();
    field.FileName = argv[1];
    vantorel::ComputeDerivedValues(field);
    try {
        vantorel::SaveInputFile(field);
    } catch (const vantorel::FileError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    std::cout << "Saved " << field.FileName << '\n';
    return 0;
}
