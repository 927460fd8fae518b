// The whole-file read every reader uses: folders and oversized files are
// refused like missing ones, with a line naming them; an empty file is read.
#include "io/file_bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

TEST(FileBytes, FoldersAndFilesOverTheLimitAreRefusedWithALineMissingFilesQuietly) {
    TempDir dir;
    std::filesystem::create_directory("models");
    writeFile("five", "12345");
    writeFile("empty", "");
    EXPECT_EQ(ReadFileBytes("models", 100).data, nullptr);
    EXPECT_EQ(ReadFileBytes("five", 4).data, nullptr);
    EXPECT_EQ(ReadFileBytes("missing", 100).data, nullptr);
    EXPECT_EQ(readLog(), "models is a folder\nfive is too large: 5 bytes\n");

    const FileBytes whole = ReadFileBytes("five", 5), empty = ReadFileBytes("empty", 5);
    EXPECT_EQ(whole.text(), "12345");
    EXPECT_TRUE(empty.data && empty.size == 0);
}
