#include "common/filebytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/testsupport.h"

namespace {

namespace fs = std::filesystem;

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FileBytes, DoublesAreLittleEndian)
{
    std::string bytes;
    drive::AppendDouble(bytes, 1.0);
    EXPECT_EQ(bytes, std::string("\0\0\0\0\0\0\xF0\x3F", 8));
    EXPECT_EQ(drive::DoubleAt(bytes, 0), 1.0);
}

TEST(FileBytes, WriteThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    const std::string dir = drivetest::ScratchDir();
    std::ofstream(dir + "/motor.mot") << "old";
    fs::create_symlink(dir + "/motor.mot", dir + "/link.mot");
    drive::WriteFileAtomically(dir + "/link.mot", "new");
    EXPECT_TRUE(fs::is_symlink(dir + "/link.mot"));
    EXPECT_EQ(FileBytes(dir + "/motor.mot"), "new");
}

TEST(FileBytes, FolderCannotBeReadOrReplaced)
{
    const std::string dir = drivetest::ScratchDir();
    fs::create_directory(dir + "/folder.tah");
    std::string bytes;
    EXPECT_FALSE(drive::FileCanBeOpened(dir + "/folder.tah"));
    EXPECT_FALSE(drive::ReadFileBytes(dir + "/folder.tah", bytes, 100));
    EXPECT_THROW(drive::WriteFileAtomically(dir + "/folder.tah", "x"), drive::FileCreateError);
    EXPECT_THROW(drive::WriteFileAtomically(dir + "/no-such-folder/x.tah", "x"), drive::FileCreateError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
