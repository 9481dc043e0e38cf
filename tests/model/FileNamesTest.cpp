#include "model/FileNames.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(FileNamesTest, ReplaceExtensionTouchesOnlyTheFileName) {
    EXPECT_EQ(ReplaceExtension("/data/field.inp", ".out"), "/data/field.out");
    EXPECT_EQ(ReplaceExtension("field", ".inp"), "field.inp");
    EXPECT_EQ(ReplaceExtension("/data.v2/field", ".inp"), "/data.v2/field.inp");
    EXPECT_EQ(ReplaceExtension("C:\\runs.old\\trial.x.inp", ".out"), "C:\\runs.old\\trial.x.out");
}

TEST(FileNamesTest, FolderPartEndsAtTheLastSlashBackslashOrColon) {
    EXPECT_EQ(FolderPart("/home/user/field.inp"), "/home/user/");
    EXPECT_EQ(FolderPart("C:\\data\\field.inp"), "C:\\data\\");
    EXPECT_EQ(FolderPart("C:field.inp"), "C:");
    EXPECT_EQ(FolderPart("field.inp"), "");
}

}  // namespace
}  // namespace vantorel
