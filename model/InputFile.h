#pragma once
// The labelled, column-aligned input file (".inp"): one data set per file.

#include <optional>
#include <string>
#include <vector>

#include "model/InputData.h"
#include "model/InputFields.h"
#include "model/TextFile.h"
#include "model/UserDialogs.h"

namespace vantorel {

// The measured salinities of each step as the file holds them (blanks removed, empty where
// not measured), in the column order of the file: row i for step i, row 0 empty.
using SalinityCellTexts = std::vector<std::vector<std::string>>;

// Replaces the extension of FileName by ".inp" and reads that file into the data set, allocating
// every series. Accepts the older layouts; shows the older-file message through the dialogs.
// Throws FileError naming the file, the line and the offending text; what was read before the
// error stays in the data set. The salinity texts, when asked for, are kept as far as read.
void LoadInputFile(InputData& data, UserDialogs& dialogs, SalinityCellTexts* salinity_texts = nullptr);

// Writes the data set to FileName (with the extension ".inp") through a temporary file, then
// recomputes the derived values of a save. Throws FileError; the previous file then stays.
void SaveInputFile(InputData& data);

// The text a save writes, lines without their CR LF. Throws FileError when a series of the data
// set does not cover every time step, when the name or a title holds a line break, and when a
// value would not read back as written (see UnwritableInputValue).
std::vector<std::string> InputFileLines(InputData& data);

// The first value that the input file cannot hold so that it reads back as written: one that is
// not a finite number, or a whole per cent so wide that it runs into the next one. Nothing for
// a data set whose save reads back.
std::optional<ValueBreach> UnwritableInputValue(const InputData& data);

}  // namespace vantorel
