#include "common/TextFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "common/KeroltError.h"

namespace kerolt {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kerolt-textfile-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_ / "old.log", fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    fs::path dir_;
};

TEST(SplitLines, EveryLineEndCounts) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("A"), V{"A"});
    EXPECT_EQ(SplitLines("A\r\nB\r\n"), (V{"A", "B"}));
    EXPECT_EQ(SplitLines("A\nB\rC\r\nD"), (V{"A", "B", "C", "D"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (V{"", ""}));
    EXPECT_EQ(SplitLines("A\n\rB"), (V{"A", "", "B"}));
    EXPECT_EQ(SplitLines(std::string("A\0B\n", 4)), (V{std::string("A\0B", 3)}));
}

TEST_F(TextFileTest, WritesCrLfAfterEveryLineAndReadsItBack) {
    const auto file = (dir_ / "x.log").string();
    const std::vector<std::string> lines{"START-OF-LOG: 3.0", "", "\xC5R\xD6"};
    WriteLines(file, lines);
    EXPECT_EQ(Slurp(file), "START-OF-LOG: 3.0\r\n\r\n\xC5R\xD6\r\n");
    EXPECT_EQ(ReadLines(file), lines);
    WriteLines(file, {"B"});
    EXPECT_EQ(Slurp(file), "B\r\n");
    // No temporary file is left beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, MissingFileCannotBeOpened) {
    const auto file = (dir_ / "none.log").string();
    try {
        ReadLines(file);
        FAIL();
    } catch (const KeroltError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + file);
    }
    EXPECT_THROW(ReadLines(dir_.string()), KeroltError);
}

TEST_F(TextFileTest, FailedWriteLeavesTheOldFileAsItWas) {
    const auto missing = (dir_ / "no-such-folder" / "x.log").string();
    try {
        WriteLines(missing, {"A"});
        FAIL();
    } catch (const KeroltError& e) {
        EXPECT_EQ(e.what(), "Cannot create file " + missing);
    }

    const auto old = dir_ / "old.log";
    std::ofstream(old, std::ios::binary) << "OLD\r\nTEXT";
    fs::permissions(old, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_THROW(WriteLines(old.string(), {"NEW"}), KeroltError);
    EXPECT_EQ(Slurp(old), "OLD\r\nTEXT");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    EXPECT_THROW(WriteLines(dir_.string(), {"A"}), KeroltError);
}

TEST_F(TextFileTest, StaleTemporariesOfOneFileAreRemoved) {
    const std::pair<const char*, bool> files[] = {
        {".Last.log.a1B2c3", false}, {".Last.log.a1B2c", true},   {".Last.log.a1B2c34", true},
        {".Last.log.a1-2c3", true},  {"Last.log", true},          {".Last.lo.a1B2c3", true},
        {"Last.log.a1B2c3", true},   {".Other.log.a1B2c3", true},
    };
    const auto now = fs::file_time_type::clock::now();
    for (const auto& [name, kept] : files) {
        std::ofstream(dir_ / name) << "x";
        fs::last_write_time(dir_ / name, now - std::chrono::seconds(61));
    }
    // Written within the minute: another process's write in flight, kept.
    std::ofstream(dir_ / ".Last.log.d4E5f6") << "x";
    fs::last_write_time(dir_ / ".Last.log.d4E5f6", now - std::chrono::seconds(50));
    fs::create_directory(dir_ / ".Last.log.FOLDER");
    RemoveStaleTemporaries((dir_ / "Last.log").string());
    for (const auto& [name, kept] : files) EXPECT_EQ(fs::exists(dir_ / name), kept) << name;
    EXPECT_TRUE(fs::exists(dir_ / ".Last.log.d4E5f6"));
    EXPECT_TRUE(fs::is_directory(dir_ / ".Last.log.FOLDER"));
}

TEST_F(TextFileTest, ReplacingKeepsTheFileMode) {
    const auto file = dir_ / "mode.log";
    WriteLines(file.string(), {"A"});
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    WriteLines(file.string(), {"B"});
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TextFileTest, ALinkKeepsPointingAtTheReplacedFile) {
    const auto real = dir_ / "real.log";
    const auto link = dir_ / "Last.log";
    WriteLines(real.string(), {"OLD"});
    fs::create_symlink(real, link);
    WriteLines(link.string(), {"NEW"});
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Slurp(real), "NEW\r\n");
}

// The limit holds whatever the file: a regular file and a pipe alike, one byte past it refused.
TEST_F(TextFileTest, ReadsAtMostTheLimit) {
    const auto file = dir_ / "big.log";
    std::ofstream(file, std::ios::binary) << std::string(1000, 'x');
    EXPECT_EQ(ReadTextAtMost(file.string(), 1000).size(), 1000u);
    try {
        ReadTextAtMost(file.string(), 999);
        FAIL() << "read";
    } catch (const KeroltError& e) {
        EXPECT_EQ(std::string(e.what()), file.string() + " is larger than 999 bytes, the most Kerolt reads");
    }

    const auto fifo = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << std::string(5000, 'y'); });
    EXPECT_THROW(ReadTextAtMost(fifo.string(), 4999), KeroltError);
    writer.join();
    std::thread again([&] { std::ofstream(fifo, std::ios::binary) << std::string(5000, 'y'); });
    EXPECT_EQ(ReadTextAtMost(fifo.string(), 5000).size(), 5000u);
    again.join();
    EXPECT_EQ(InputFileLimit, 16u * 1024 * 1024);
}

}  // namespace
}  // namespace kerolt
