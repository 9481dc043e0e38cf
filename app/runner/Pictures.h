#pragma once
// Everything vantorel-run draws goes through the functions declared in GraphExport.h,
// CalibrationPictures.h, StudyPictures.h and UncertaintyPictures.h, defined with Qt in their own
// .cpp files. A build without Qt (cmake -DVANTOREL_GUI=OFF) links NoPictures.cpp in their place,
// whose functions draw nothing and return no files: there an option whose whole work is pictures
// is refused before anything runs (PictureOptionRefusal), and an option that also writes data
// writes it and says that it drew no pictures (NoteNoPictures). A new picture slots in the same
// way: its function beside these, its empty twin in NoPictures.cpp, and its option in the refusal
// or a note.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/runner/CommandLine.h"

namespace vantorel {

// Whether this build draws (VANTOREL_GUI).
inline constexpr bool DrawsPictures = VANTOREL_DRAWS_PICTURES != 0;

// Why a build does not draw.
inline constexpr const char* NoDrawingReason = "this vantorel-run was built without drawing (cmake -DVANTOREL_GUI=OFF)";

struct PictureFiles {
    std::vector<std::string> files;  // the pictures written
    std::string error;               // the first picture that could not be written, and why
};

// In a build that does not draw, the refusal of an option that only draws.
std::optional<std::string> PictureOptionRefusal(const CommandLine& line);

// In a build that does not draw, the line that follows the files an option wrote.
void NoteNoPictures(std::ostream& out);

}  // namespace vantorel
