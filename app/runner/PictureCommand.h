#pragma once
// `--picture IN OUT.png`: a picture that the Graphs page opens (bitmap, icon, PNG, JPEG, metafile)
// converted into a PNG file, without a display (see Pictures.h).

#include <ostream>

#include "app/runner/CommandLine.h"

namespace vantorel {

inline bool WantsPicture(const CommandLine& line) { return line.Has("picture"); }
// Exit status 0 when written, 1 when OUT cannot be written, 2 when IN cannot be shown or the
// command line is wrong.
int RunPictureCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace vantorel
