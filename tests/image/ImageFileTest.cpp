#include "image/ImageFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qz7t {
namespace {

using test::Bytes;
using test::MakeImage;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
namespace fs = std::filesystem;

TEST(ImageFilePathTest, JoinsDirectoryAndNameWithOneSeparator)
{
    EXPECT_EQ(ImageFilePath("/home/tuner/roms", "car.bin"), "/home/tuner/roms/car.bin");
    EXPECT_EQ(ImageFilePath(CaptureImagePath("/"), "car.bin"), "/car.bin");
    EXPECT_EQ(ImageFilePath(CaptureImagePath("/media/usb/"), "a.bin"), "/media/usb/a.bin");
    EXPECT_EQ(CaptureImagePath("/home/tuner/roms"), "/home/tuner/roms");
}

class LoadImageTest : public testing::Test {
protected:
    TempDir dir;
    EditorState state;
};

TEST_F(LoadImageTest, ReplacesExactlyTheFilesBytesAndClearsTheLayoutsByte)
{
    for (std::size_t i = 0; i < state.image.size(); ++i) state.image[i] = 0xAA;
    const Bytes file = MakeImage(0x40);
    WriteFile(dir / "rom.bin", file);

    ASSERT_EQ(LoadImage(state, dir / "rom.bin"), LoadResult::Loaded);

    EXPECT_EQ(state.layout, BaseLayout);
    for (std::size_t i = 0; i < file.size(); ++i) {
        ASSERT_EQ(state.image[i], i == 31519 ? 0 : file[i]) << "index " << i;
    }
    // Nothing past the file's end is stored to, not even one byte.
    for (std::size_t i = file.size(); i < state.image.size(); ++i) ASSERT_EQ(state.image[i], 0xAA) << "index " << i;
}

TEST_F(LoadImageTest, EachLayoutClearsOnlyItsOwnByte)
{
    Bytes file = MakeImage(0x50);
    file[31519] = 0x11;
    file[31544] = 0x22;
    WriteFile(dir / "shifted.bin", file);
    ASSERT_EQ(LoadImage(state, dir / "shifted.bin"), LoadResult::Loaded);
    EXPECT_EQ(state.layout, ShiftedLayout);
    EXPECT_EQ(state.image[31544], 0);
    EXPECT_EQ(state.image[31519], 0x11);

    file[0] = 0x40;
    WriteFile(dir / "base.bin", file);
    ASSERT_EQ(LoadImage(state, dir / "base.bin"), LoadResult::Loaded);
    EXPECT_EQ(state.layout, BaseLayout);
    EXPECT_EQ(state.image[31519], 0);
    EXPECT_EQ(state.image[31544], 0x22);
}

TEST_F(LoadImageTest, ShorterFileKeepsTheRestOfTheEarlierImage)
{
    const Bytes first = MakeImage(0x40);
    WriteFile(dir / "long.bin", first);
    ASSERT_EQ(LoadImage(state, dir / "long.bin"), LoadResult::Loaded);
    const ImageBuffer before = state.image;

    const Bytes shorter(1000, 0x50);
    WriteFile(dir / "short.bin", shorter);
    ASSERT_EQ(LoadImage(state, dir / "short.bin"), LoadResult::Loaded);

    for (std::size_t i = 0; i < 1000; ++i) ASSERT_EQ(state.image[i], 0x50);
    for (std::size_t i = 1000; i < state.image.size(); ++i) {
        ASSERT_EQ(state.image[i], i == 31544 ? 0 : before[i]) << "index " << i;
    }
}

TEST_F(LoadImageTest, LargestFileReachesTheBufferWhole)
{
    const Bytes largest = MakeImage(0x40, 131072);
    WriteFile(dir / "big.bin", largest);
    ASSERT_EQ(LoadImage(state, dir / "big.bin"), LoadResult::Loaded);
    EXPECT_EQ(state.image[131071], largest[131071]);
    EXPECT_EQ(state.image[131072], 0);
    EXPECT_EQ(state.image[32768], largest[32768]);
}

struct RefusedLoad {
    const char* what;
    std::function<std::string(const TempDir&)> makePath;
    LoadResult expected;
};

void PrintTo(const RefusedLoad& refused, std::ostream* out) { *out << refused.what; }

class RefusedLoadTest : public testing::TestWithParam<RefusedLoad> {};

TEST_P(RefusedLoadTest, KeepsTheEditedImageAndItsLayout)
{
    TempDir dir;
    EditorState state;
    WriteFile(dir / "good.bin", MakeImage(0x50));
    ASSERT_EQ(LoadImage(state, dir / "good.bin"), LoadResult::Loaded);
    state.image[29200] = 0x99;  // an unsaved edit
    const EditorState before = state;

    EXPECT_EQ(LoadImage(state, GetParam().makePath(dir)), GetParam().expected);

    EXPECT_EQ(state.image, before.image);
    EXPECT_EQ(state.layout, before.layout);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRefusal, RefusedLoadTest,
    testing::Values(
        RefusedLoad{"NoName", [](const TempDir& d) { return ImageFilePath(d.path().string(), ""); },
                    LoadResult::NoFileSelected},
        RefusedLoad{"EmptyPath", [](const TempDir&) { return std::string(); }, LoadResult::NoFileSelected},
        RefusedLoad{"Directory",
                    [](const TempDir& d) {
                        fs::create_directory(d.path() / "sub");
                        return d / "sub";
                    },
                    LoadResult::NoFileSelected},
        RefusedLoad{"Missing", [](const TempDir& d) { return d / "gone.bin"; }, LoadResult::ReadFailed},
        RefusedLoad{"Fifo",  // must be refused, not waited on
                    [](const TempDir& d) {
                        ::mkfifo((d / "pipe").c_str(), 0600);
                        return d / "pipe";
                    },
                    LoadResult::ReadFailed},
        RefusedLoad{"TooLarge",
                    [](const TempDir& d) {
                        WriteFile(d.path() / "huge.bin", MakeImage(0x40, 131073));
                        return d / "huge.bin";
                    },
                    LoadResult::FileTooLarge},
        RefusedLoad{"Empty",
                    [](const TempDir& d) {
                        WriteFile(d.path() / "empty.bin", {});
                        return d / "empty.bin";
                    },
                    LoadResult::UnsupportedRom},
        RefusedLoad{"LowerCaseP",
                    [](const TempDir& d) {
                        WriteFile(d.path() / "p.bin", MakeImage(0x70));
                        return d / "p.bin";
                    },
                    LoadResult::UnsupportedRom},
        RefusedLoad{"ZeroFirstByte",
                    [](const TempDir& d) {
                        WriteFile(d.path() / "z.bin", MakeImage(0x00));
                        return d / "z.bin";
                    },
                    LoadResult::UnsupportedRom}),
    [](const auto& info) { return std::string(info.param.what); });

// A state as a load of `image` leaves it.
EditorState LoadedFrom(const TempDir& dir, const Bytes& image)
{
    EditorState state;
    WriteFile(dir / "source.bin", image);
    EXPECT_EQ(LoadImage(state, dir / "source.bin"), LoadResult::Loaded);
    return state;
}

class SaveImageTest : public testing::Test {
protected:
    TempDir dir;
    const Bytes image = MakeImage(0x40);
    EditorState state = LoadedFrom(dir, image);

    Bytes Expected() const { return Bytes(state.image.begin(), state.image.begin() + ImageSize); }
};

TEST_F(SaveImageTest, UneditedImageComesBackWithOnlyTheClearedByteChanged)
{
    WriteFile(dir / "rom.bin", image);
    ASSERT_EQ(SaveImage(state, dir / "rom.bin"), SaveResult::Saved);
    Bytes expected = image;
    expected[31519] = 0;
    EXPECT_EQ(ReadFile(dir / "rom.bin"), expected);
    ASSERT_EQ(SaveImage(state, dir / "rom.bin"), SaveResult::Saved);
    EXPECT_EQ(ReadFile(dir / "rom.bin"), expected);
}

TEST_F(SaveImageTest, LongerFileKeepsItsTailFromDiskNotFromTheBuffer)
{
    Bytes longer(100000, 0x5A);
    WriteFile(dir / "long.bin", longer);
    state.image[40000] = 0x01;  // beyond the image proper: must not reach the file

    ASSERT_EQ(SaveImage(state, dir / "long.bin"), SaveResult::Saved);

    Bytes expected = Expected();
    expected.insert(expected.end(), longer.begin() + ImageSize, longer.end());
    EXPECT_EQ(ReadFile(dir / "long.bin"), expected);
}

TEST_F(SaveImageTest, ShorterFileGrowsToExactlyTheImage)
{
    WriteFile(dir / "short.bin", Bytes(10, 0x33));
    ASSERT_EQ(SaveImage(state, dir / "short.bin"), SaveResult::Saved);
    EXPECT_EQ(ReadFile(dir / "short.bin"), Expected());
}

TEST_F(SaveImageTest, KeepsPermissionBitsAndSymbolicLinks)
{
    WriteFile(dir / "target.bin", Bytes(32768, 0));
    fs::permissions(dir / "target.bin", fs::perms(0640));
    fs::create_symlink(dir / "target.bin", dir / "link.bin");

    ASSERT_EQ(SaveImage(state, dir / "link.bin"), SaveResult::Saved);

    EXPECT_TRUE(fs::is_symlink(dir / "link.bin"));
    EXPECT_EQ(fs::read_symlink(dir / "link.bin"), fs::path(dir / "target.bin"));
    EXPECT_EQ(ReadFile(dir / "target.bin"), Expected());
    EXPECT_EQ(fs::status(dir / "target.bin").permissions(), fs::perms(0640));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

TEST_F(SaveImageTest, TemporaryFileLeftByAKilledSaveIsNeitherUsedNorInTheWay)
{
    WriteFile(dir / "rom.bin", image);
    const Bytes stale(123, 0xEE);
    WriteFile(dir / ".rom.bin.saving", stale);

    ASSERT_EQ(SaveImage(state, dir / "rom.bin"), SaveResult::Saved);

    EXPECT_EQ(ReadFile(dir / "rom.bin"), Expected());
    EXPECT_EQ(ReadFile(dir / ".rom.bin.saving"), stale);
}

TEST_F(SaveImageTest, RefusalsLeaveTheFileAsItWas)
{
    const Bytes old(40000, 0x77);
    WriteFile(dir / "old.bin", old);
    WriteFile(dir / "readonly.bin", old);
    fs::permissions(dir / "readonly.bin", fs::perms(0444));
    fs::create_directory(dir / "sub");

    EXPECT_EQ(SaveImage(EditorState{}, dir / "old.bin"), SaveResult::NothingLoaded);
    EXPECT_EQ(SaveImage(state, ImageFilePath(dir.path().string(), "")), SaveResult::NoFileSelected);
    EXPECT_EQ(SaveImage(state, dir / "sub"), SaveResult::NoFileSelected);
    EXPECT_EQ(SaveImage(state, dir / "readonly.bin"), SaveResult::WriteFailed);
    EXPECT_EQ(SaveImage(state, dir / "missing.bin"), SaveResult::WriteFailed);

    EXPECT_EQ(ReadFile(dir / "old.bin"), old);
    EXPECT_EQ(ReadFile(dir / "readonly.bin"), old);
    EXPECT_FALSE(fs::exists(dir / "missing.bin"));  // a save never creates a file
}

TEST_F(SaveImageTest, FailedWriteLeavesTheFileAsItWasAndNoTemporary)
{
    const Bytes old(40000, 0x77);
    WriteFile(dir / "old.bin", old);

    // Any write past 1,000 bytes fails, as on a full disk.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const SaveResult result = SaveImage(state, dir / "old.bin");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, SaveResult::WriteFailed);
    EXPECT_EQ(ReadFile(dir / "old.bin"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);  // source.bin too
}

// Runs `body` in a child process as an ordinary user, so permission checks apply even under root.
int RunAsOrdinaryUser(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SaveImageTest, ReadOnlyDirectoryIsWrittenInPlace)
{
    const std::string path = dir / "rom.bin";
    WriteFile(path, Bytes(50000, 0x44));
    fs::permissions(path, fs::perms(0666));
    fs::permissions(dir.path(), fs::perms(0555));

    const int result = RunAsOrdinaryUser([&] { return static_cast<int>(SaveImage(state, path)); });
    fs::permissions(dir.path(), fs::perms(0755));

    ASSERT_EQ(result, static_cast<int>(SaveResult::Saved));
    Bytes expected = Expected();
    expected.resize(50000, 0x44);
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(SaveImageTest, FileTheUserMayNotWriteIsRefused)
{
    if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    const std::string path = dir / "theirs.bin";
    WriteFile(path, Bytes(32768, 0x44));
    fs::permissions(path, fs::perms(0644));
    fs::permissions(dir.path(), fs::perms(0777));

    const int result = RunAsOrdinaryUser([&] { return static_cast<int>(SaveImage(state, path)); });

    EXPECT_EQ(result, static_cast<int>(SaveResult::WriteFailed));
    EXPECT_EQ(ReadFile(path), Bytes(32768, 0x44));
}

}  // namespace
}  // namespace qz7t
