// Saving graphs as bitmap and PNG files and opening pictures again, damaged ones included.

#include "graphs/draw/PictureFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/TextFile.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

// Coloured halves crossed by a one-pixel grid: a picture whose every pixel matters.
QImage TestPicture() {
    QImage picture(61, 41, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool grid = x % 10 == 0 || y % 10 == 0;
            picture.setPixel(x, y, grid ? qRgb(255, 255, 255) : x < 30 ? qRgb(200, 30, 30) : qRgb(20, 40, 220));
        }
    }
    return picture;
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 30;
}

TEST(PictureFilesTest, BitmapsAndPngsComeBackPixelForPixel) {
    test::TempDir dir;
    const QImage picture = TestPicture();
    for (const char* name : {"graph.bmp", "graph.png", "GRAPH.BMP"}) {
        SavePicture(picture, dir.File(name));
        const OpenedPicture opened = OpenPicture(dir.File(name));
        EXPECT_EQ(opened.Picture.convertToFormat(QImage::Format_RGB32), picture) << name << opened.Error;
    }
    EXPECT_EQ(test::ReadFile(dir.File("graph.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(test::ReadFile(dir.File("graph.png")).substr(1, 3), "PNG");
    // Saving again replaces the file and leaves no temporary file behind.
    SavePicture(QImage(5, 5, QImage::Format_RGB32), dir.File("graph.bmp"));
    EXPECT_EQ(OpenPicture(dir.File("graph.bmp")).Picture.size(), QSize(5, 5));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 3);

    EXPECT_THROW(SavePicture(picture, dir.File("graph.jpg")), FileError);
    EXPECT_THROW(SavePicture(picture, dir.File("no/such/folder/graph.bmp")), FileError);
    std::filesystem::create_directory(dir.File("folder.bmp"));
    EXPECT_THROW(SavePicture(picture, dir.File("folder.bmp")), FileError);
}

TEST(PictureFilesTest, JpegsAreDecodedAndDamagedPicturesGiveAnError) {
    test::TempDir dir;
    ASSERT_TRUE(TestPicture().save(QString::fromStdString(dir.File("photo.jpg")), "JPG", 95));
    const QImage grey_picture = TestPicture().convertToFormat(QImage::Format_Grayscale8);
    ASSERT_TRUE(grey_picture.save(QString::fromStdString(dir.File("grey.jpeg")), "JPG", 95));
    const OpenedPicture colour = OpenPicture(dir.File("photo.jpg"));
    ASSERT_FALSE(colour.Picture.isNull()) << colour.Error;
    EXPECT_EQ(colour.Picture.size(), QSize(61, 41));
    EXPECT_TRUE(Near(colour.Picture.pixel(15, 15), qRgb(200, 30, 30)));
    EXPECT_TRUE(Near(colour.Picture.pixel(45, 25), qRgb(20, 40, 220)));
    const OpenedPicture grey = OpenPicture(dir.File("grey.jpeg"));
    EXPECT_TRUE(Near(grey.Picture.pixel(15, 15), grey_picture.pixel(15, 15))) << grey.Error;

    const std::string jpeg = test::ReadFile(dir.File("photo.jpg"));
    SavePicture(TestPicture(), dir.File("good.bmp"));
    const std::pair<const char*, std::string> damaged[] = {
        {"truncated.jpg", jpeg.substr(0, jpeg.size() / 2)},
        {"empty.jpg", ""},
        {"text.jpg", "This is not a picture at all.\r\n"},
        {"broken-marker.jpg", jpeg.substr(0, 2) + std::string(200, '\xff') + jpeg.substr(202)},
        {"truncated.bmp", test::ReadFile(dir.File("good.bmp")).substr(0, 60)},
        {"text.bmp", "BM this is not a bitmap"},
        {"text.ico", "not an icon"},
    };
    for (const auto& [name, content] : damaged) {
        test::WriteFile(dir.File(name), content);
        const OpenedPicture opened = OpenPicture(dir.File(name));
        EXPECT_TRUE(opened.Picture.isNull()) << name;
        EXPECT_NE(opened.Error.find(dir.File(name)), std::string::npos) << opened.Error;
    }
    EXPECT_FALSE(OpenPicture(dir.File("absent.jpg")).Error.empty());
}

TEST(PictureFilesTest, IconsOpenAndOtherFormatsAreExplained) {
    test::TempDir dir;
    ASSERT_TRUE(TestPicture().copy(0, 0, 32, 32).save(QString::fromStdString(dir.File("symbol.ico")), "ICO"));
    EXPECT_EQ(OpenPicture(dir.File("symbol.ico")).Picture.size(), QSize(32, 32));
    EXPECT_NE(OpenPicture(dir.File("graph.gif")).Error.find("this picture format cannot be shown here"),
              std::string::npos);
}

}  // namespace
}  // namespace vantorel
