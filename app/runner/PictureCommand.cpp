#include "app/runner/PictureCommand.h"

#include "app/runner/Runner.h"
#include "graphs/draw/PictureFiles.h"
#include "graphs/plots/OffscreenApplication.h"
#include "model/TextFile.h"

namespace vantorel {

int RunPictureCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (line.values.size() != 1 || line.arguments.size() != 1) {
        err << "vantorel-run: --picture IN takes the name of the PNG file to write, and no other option.\n"
               "Try 'vantorel-run --help'.\n";
        return ExitBadInput;
    }
    const std::string& target = line.arguments.front();
    EnsureOffscreenApplication();
    const OpenedPicture opened = OpenPicture(line.Value("picture"));
    if (opened.Picture.isNull()) {
        err << "vantorel-run: " << opened.Error << '\n';
        return ExitBadInput;
    }
    try {
        SavePicture(opened.Picture, target);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitRunFailed;
    }
    out << "Picture written to " << target << " (" << opened.Picture.width() << " x " << opened.Picture.height()
        << " pixels)\n";
    return ExitOk;
}

}  // namespace vantorel
