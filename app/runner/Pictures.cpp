#include "app/runner/Pictures.h"

namespace vantorel {

std::optional<std::string> PictureOptionRefusal(const CommandLine& line) {
    if (DrawsPictures) return std::nullopt;
    for (const char* option : {"graphs", "picture"}) {
        if (line.Has(option)) return std::string("--") + option + " draws pictures, but " + NoDrawingReason + ".";
    }
    return std::nullopt;
}

void NoteNoPictures(std::ostream& out) {
    if (!DrawsPictures) out << "No pictures drawn: " << NoDrawingReason << ".\n";
}

}  // namespace vantorel
