// Metafiles opened as pictures: the corpus of tests/data/metafiles against its reference pictures,
// where the drawing lands, and damaged files.
//
// VANTOREL_UPDATE_METAFILES=1 rewrites the hand-made files and the reference pictures; look at
// every reference picture before committing it.

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "graphs/draw/PictureFiles.h"
#include "tests/graphs/HandMadeMetafiles.h"
#include "tests/support/MetafileWriter.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

bool Updating() { return std::getenv("VANTOREL_UPDATE_METAFILES") != nullptr; }

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(test::TestDataPath("metafiles"))) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".wmf" || extension == ".emf") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Text is drawn by the font library of the machine: a pixel counts as different beyond a small
// step of any colour, and a few per cent of the pixels (edges of letters) may differ.
double DifferentShare(const QImage& picture, const QImage& reference) {
    int64_t different = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y), b = reference.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 40 || std::abs(qGreen(a) - qGreen(b)) > 40 ||
                std::abs(qBlue(a) - qBlue(b)) > 40) {
                ++different;
            }
        }
    }
    return static_cast<double>(different) / (static_cast<double>(picture.width()) * picture.height());
}

TEST(MetafilesTest, HandMadeFilesAreTheWritersOwn) {
    for (const auto& [name, content] : test::HandMadeMetafiles()) {
        const std::string path = test::TestDataPath("metafiles/" + name);
        if (Updating()) test::WriteFile(path, content);
        EXPECT_EQ(test::ReadFile(path), content) << name;
    }
}

TEST(MetafilesTest, CorpusRendersLikeItsReferences) {
    const std::vector<std::string> files = CorpusFiles();
    EXPECT_GE(files.size(), 7u);
    for (const std::string& file : files) {
        const OpenedPicture opened = OpenPicture(file);
        ASSERT_FALSE(opened.Picture.isNull()) << opened.Error;
        const QImage picture = opened.Picture.convertToFormat(QImage::Format_RGB32);
        const std::string reference_path = file + ".png";
        if (Updating()) SavePicture(picture, reference_path);
        const QImage reference = QImage(QString::fromStdString(reference_path)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), reference.size()) << file;
        EXPECT_LT(DifferentShare(picture, reference), 0.02) << file;
    }
}

bool Near(QRgb pixel, QRgb colour) {
    return std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour)) +
               std::abs(qBlue(pixel) - qBlue(colour)) < 60;
}

// Independent of the references: sizes from the headers, and where known shapes land.
TEST(MetafilesTest, HeadersSetTheSizeAndMappingsPlaceTheDrawing) {
    const auto open = [](const std::string& name) {
        return OpenPicture(test::TestDataPath("metafiles/" + name)).Picture.convertToFormat(QImage::Format_RGB32);
    };
    // 4000 x 3000 units at 1000 per inch; 100 x 75 mm; at 96 pixels per inch.
    const QImage placeable = open("shapes.wmf");
    EXPECT_EQ(placeable.size(), QSize(384, 288));
    EXPECT_TRUE(Near(placeable.pixel(3, 3), qRgb(192, 192, 192)));
    EXPECT_TRUE(Near(placeable.pixel(77, 58), qRgb(255, 255, 0)));   // the yellow rectangle
    EXPECT_TRUE(Near(placeable.pixel(345, 225), qRgb(192, 192, 192)));  // the star's empty centre
    EXPECT_EQ(open("shapes.emf").size(), QSize(378, 283));
    // Without the placeable header the drawing, 810 x 610 units with its pen, fills a graph-sized picture, and
    // the window's upward y axis puts the triangle's point at the top.
    const QImage spanning = open("no-placeable-header.wmf");
    EXPECT_EQ(spanning.size(), QSize(586, 441));
    EXPECT_TRUE(Near(spanning.pixel(2, 2), qRgb(0, 0, 0)));
    EXPECT_TRUE(Near(spanning.pixel(583, 438), qRgb(0, 0, 0)));
    EXPECT_TRUE(Near(spanning.pixel(294, 60), qRgb(255, 0, 0)));
    EXPECT_FALSE(Near(spanning.pixel(294, 390), qRgb(255, 0, 0)));
    // The embedded bitmap: 3 x 2 pixels stretched over 2700 x 1800 twips from (2900, 900).
    const QImage bitmap = open("text-and-bitmap.wmf");
    EXPECT_TRUE(Near(bitmap.pixel(205, 75), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(bitmap.pixel(340, 75), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(bitmap.pixel(350, 160), qRgb(255, 255, 255)));
}

TEST(MetafilesTest, DamagedFilesAreRefusedWithTheFileNamed) {
    test::TempDir dir;
    for (const std::string& file : CorpusFiles()) {
        const std::string content = test::ReadFile(file);
        const std::string name = dir.File("damaged" + fs::path(file).extension().string());
        for (const size_t length : {size_t{0}, size_t{10}, size_t{21}, size_t{40}, size_t{87}, content.size() / 2,
                                    content.size() - 1}) {
            test::WriteFile(name, content.substr(0, length));
            const OpenedPicture opened = OpenPicture(name);
            EXPECT_TRUE(opened.Picture.isNull()) << file << " cut at " << length;
            EXPECT_NE(opened.Error.find("The picture file " + name + " could not be shown: it is not a readable"),
                      std::string::npos)
                << opened.Error;
        }
        // Bytes overwritten anywhere give a picture or a refusal, never a crash or a hang.
        for (size_t at = 0; at < content.size(); at += 1 + content.size() / 41) {
            std::string changed = content;
            changed[at] = static_cast<char>(changed[at] ^ 0xa5);
            if (at + 1 < changed.size()) changed[at + 1] = '\x7f';
            test::WriteFile(name, changed);
            const OpenedPicture opened = OpenPicture(name);
            EXPECT_TRUE(opened.Picture.isNull() != opened.Error.empty());
        }
    }
    // A polygon that claims more points than its record holds; a file that draws nothing.
    test::WmfWriter wmf;
    wmf.Record(0x0324, test::Fields().U16(3000).I16s({0, 0, 10, 10}));
    test::WriteFile(dir.File("points.wmf"), wmf.Finish(false));
    EXPECT_NE(OpenPicture(dir.File("points.wmf")).Error.find("cut short"), std::string::npos);
    test::WriteFile(dir.File("empty.wmf"), test::WmfWriter().Finish(false));
    EXPECT_NE(OpenPicture(dir.File("empty.wmf")).Error.find("it draws nothing"), std::string::npos);
}

// A pen billions of pixels wide (found by the fuzz target) covers the picture at once.
TEST(MetafilesTest, AnEnormousPenCoversThePicture) {
    test::EmfWriter emf;
    emf.Record(95, test::Fields().U32(1).U32(0).U32(0).U32(0).U32(0).U32(0x10000).U32(0xffffffff).U32(0).U32(0xff).U32(0).U32(0));
    emf.Record(37, test::Fields().U32(1)).Record(42, test::Fields().I32s({40, 40, 60, 60}));
    test::TempDir dir;
    test::WriteFile(dir.File("wide.emf"), emf.Finish({0, 0, 99, 99}, {0, 0, 2646, 2646}, 1024, 768, 270, 203));
    const QImage picture = OpenPicture(dir.File("wide.emf")).Picture.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(100, 100));
    EXPECT_TRUE(Near(picture.pixel(0, 0), qRgb(255, 0, 0)) && Near(picture.pixel(99, 99), qRgb(255, 0, 0)));
}

}  // namespace
}  // namespace vantorel
