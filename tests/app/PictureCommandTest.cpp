// vantorel-run --picture IN OUT.png: any picture the Graphs page opens, as PNG.

#include <QImage>
#include <gtest/gtest.h>

#include "graphs/draw/PictureFiles.h"
#include "tests/app/RunTool.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

using test::RunTool;

TEST(PictureCommandTest, ConvertsWhatOpenGraphOpensAndRefusesTheRest) {
    test::TempDir dir;
    const std::string metafile = test::TestDataPath("metafiles/shapes.emf");
    test::ToolResult result = RunTool({"--picture", metafile, dir.File("shapes.png")});
    ASSERT_EQ(result.status, ExitOk) << result.err;
    EXPECT_EQ(result.out, "Picture written to " + dir.File("shapes.png") + " (378 x 283 pixels)\n");
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("shapes.png"))).convertToFormat(QImage::Format_RGB32),
              OpenPicture(metafile).Picture.convertToFormat(QImage::Format_RGB32));

    test::WriteFile(dir.File("damaged.wmf"), "\x01\x00\x09\x00");
    result = RunTool({"--picture=" + dir.File("damaged.wmf"), dir.File("damaged.png")});
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_NE(result.err.find("The picture file " + dir.File("damaged.wmf") + " could not be shown"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("damaged.png")));

    EXPECT_EQ(RunTool({"--picture", metafile, dir.File("no/folder/out.png")}).status, ExitRunFailed);
    EXPECT_EQ(RunTool({"--picture", metafile}).status, ExitBadInput);
    EXPECT_EQ(RunTool({"--picture", metafile, "--yes", dir.File("out.png")}).status, ExitBadInput);
}

}  // namespace
}  // namespace vantorel
