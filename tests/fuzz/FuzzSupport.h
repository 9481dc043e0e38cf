#pragma once
// What the fuzz targets share: a scratch folder per process, the fuzzed bytes as a file, the
// window's way of looking at a loaded run, and the stop for a broken promise.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/InputData.h"
#include "model/ModelState.h"
#include "model/TextFile.h"

namespace vantorel::fuzz {

// A folder of this process, created on first use and removed when the process ends.
const std::string& ScratchFolder();
std::string ScratchFile(const std::string& name);

void WriteBytes(const std::string& path, const uint8_t* data, size_t size);
void WriteText(const std::string& path, const std::string& text);
std::string ReadWholeFile(const std::string& path);

// A finding that no sanitizer sees: prints it and aborts, so that the fuzzer keeps the input.
[[noreturn]] void Finding(const std::string& what);

// Every error of a file must name the file.
void ExpectNamesFile(const FileError& error, const std::string& path);

// Whatever a load left behind, the window may show it: every series that a load allocates has one
// element per time step and exactly one layer flag holds.
void ExpectUsableDataSet(const InputData& data);

// After an output file was read: the result series have one element per time step (or none, when
// the header could not be read), and so have the series the reader resizes.
void ExpectReadBackSeries(const ModelState& state);

// What the Output page does with the state after reading the input and then the output file: the
// three tables with their clipboard text.
void BuildTables(const ModelState& state);

// What the Graphs page does after reading the output and then the input file: the scaling and
// pixel mapping of every graph of the layer count, from the state, which they only read.
void ScaleGraphs(const ModelState& state);

}  // namespace vantorel::fuzz
