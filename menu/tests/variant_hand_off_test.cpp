// Tests of the hand-off file: what is written, what is read back from every kind of file
// state, and what the next window plays when the file cannot be written.
#include "variant_hand_off.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace {

class VariantHandOffTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    directory = fs::temp_directory_path() /
                ("hand_off_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(directory);
    fs::create_directories(directory);
    file = directory / "z.txt";
  }
  void TearDown() override {
    fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(directory);
  }

  static void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static bool RunningAsRoot() { return ::geteuid() == 0; }

  fs::path directory;
  fs::path file;
};

struct ReadCase {
  const char* state;
  std::function<void(const fs::path& file)> prepare;
  std::optional<std::string> expected;
};

}  // namespace

TEST_F(VariantHandOffTest, ReadsBackEveryKindOfFileStateWithoutBlocking) {
  const std::string five_megabytes(5 * 1024 * 1024, '1');
  const ReadCase cases[] = {
      {"missing", [](const fs::path&) {}, std::nullopt},
      {"empty", [](const fs::path& f) { Put(f, ""); }, ""},
      {"one digit", [](const fs::path& f) { Put(f, "1"); }, "1"},
      {"digit and line end", [](const fs::path& f) { Put(f, "1\n"); }, "1\n"},
      {"blank around digit", [](const fs::path& f) { Put(f, " 5 "); }, " 5 "},
      {"5 MB of text", [&](const fs::path& f) { Put(f, five_megabytes); },
       std::string(VariantHandOff::kMaxRead, '1')},
      {"directory", [](const fs::path& f) { fs::create_directory(f); }, std::nullopt},
      {"named pipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
       std::nullopt},
      {"link to another file",
       [](const fs::path& f) {
         Put(f.parent_path() / "other.txt", "3");
         fs::create_symlink("other.txt", f);
       },
       "3"},
      {"link to nothing", [](const fs::path& f) { fs::create_symlink("gone.txt", f); },
       std::nullopt},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.state);
    fs::remove_all(directory);
    fs::create_directories(directory);
    c.prepare(file);
    EXPECT_EQ(VariantHandOff(file).read_variant(), c.expected);
  }
}

TEST_F(VariantHandOffTest, UnreadableFileReadsAsNoFile) {
  if (RunningAsRoot()) GTEST_SKIP() << "root reads every file";
  Put(file, "2");
  fs::permissions(file, fs::perms::none);
  EXPECT_EQ(VariantHandOff(file).read_variant(), std::nullopt);
}

TEST_F(VariantHandOffTest, WritesExactlyTheDigitAndReplacesWhatWasThere) {
  for (const std::string& before :
       {std::string(), std::string("1\n"), std::string(5 * 1024 * 1024, 'x')}) {
    SCOPED_TRACE(before.size());
    Put(file, before);
    VariantHandOff hand_off(file);
    hand_off.write_variant("5");
    EXPECT_EQ(Contents(file), "5");
    hand_off.write_variant("5");
    EXPECT_EQ(Contents(file), "5");
    EXPECT_EQ(hand_off.read_variant(), "5");
  }
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), {}), 1);
}

TEST_F(VariantHandOffTest, ReplacesASymbolicLinkInsteadOfWritingThroughIt) {
  const fs::path other = directory / "other.txt";
  Put(other, "precious");
  fs::create_symlink(other, file);

  VariantHandOff(file).write_variant("3");

  EXPECT_FALSE(fs::is_symlink(file));
  EXPECT_EQ(Contents(file), "3");
  EXPECT_EQ(Contents(other), "precious");
}

TEST_F(VariantHandOffTest, AFailedWriteStillHandsOverTheVariantJustChosen) {
  // A directory in the file's place cannot be replaced by a file, not even by root.
  fs::create_directory(file);
  VariantHandOff hand_off(file);
  hand_off.write_variant("4");
  EXPECT_EQ(hand_off.read_variant(), "4");
  hand_off.write_variant("2");
  EXPECT_EQ(hand_off.read_variant(), "2");

  // Once the file can be written again, it is the file that is read.
  fs::remove(file);
  hand_off.write_variant("6");
  Put(file, "1");
  EXPECT_EQ(hand_off.read_variant(), "1");
}

TEST_F(VariantHandOffTest, AFailedWriteInAMissingDirectoryHandsOverTheVariant) {
  VariantHandOff hand_off(directory / "missing" / "z.txt");
  hand_off.write_variant("3");
  EXPECT_EQ(hand_off.read_variant(), "3");
}

TEST_F(VariantHandOffTest, AFailedWriteInAReadOnlyDirectoryKeepsTheOldFile) {
  if (RunningAsRoot()) GTEST_SKIP() << "root writes into read-only directories";
  Put(file, "1");
  fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
  VariantHandOff hand_off(file);
  hand_off.write_variant("5");
  EXPECT_EQ(Contents(file), "1");
  EXPECT_EQ(hand_off.read_variant(), "5");
}

TEST_F(VariantHandOffTest, ALeftOverTemporaryFileDoesNotStopTheWrite) {
  fs::path left_over = file;
  left_over += ".new";
  fs::create_symlink(directory / "elsewhere.txt", left_over);
  VariantHandOff(file).write_variant("2");
  EXPECT_EQ(Contents(file), "2");
  EXPECT_FALSE(fs::exists(directory / "elsewhere.txt"));
}
