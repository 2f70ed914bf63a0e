#include "image/ImageFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qz7t {
namespace {

using test::Bytes;

// A save killed at any moment leaves the file either as it was or as the save wanted it.
TEST(InterruptedSaveTest, KilledSavesLeaveTheOldOrTheNewFile)
{
    const int kills = std::getenv("QZ7T_SAVE_KILLS") ? std::atoi(std::getenv("QZ7T_SAVE_KILLS")) : 200;
    test::TempDir dir;
    const std::string path = dir / "rom.bin";
    const Bytes oldFile(40000, 0x11);

    EditorState first;
    EditorState second;
    first.layout = second.layout = BaseLayout;
    first.image.fill(0xA1);
    second.image.fill(0xB2);
    auto expected = [&](const EditorState& state) {
        Bytes bytes(state.image.begin(), state.image.begin() + ImageSize);
        bytes.insert(bytes.end(), oldFile.begin() + ImageSize, oldFile.end());
        return bytes;
    };
    const Bytes firstFile = expected(first);
    const Bytes secondFile = expected(second);

    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int sawOld = 0, sawFirst = 0, sawSecond = 0;
    for (int kill = 0; kill < kills; ++kill) {
        test::WriteFile(path, oldFile);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Alternate between two images, so that every save changes the file.
            for (bool odd = false;; odd = !odd) SaveImage(odd ? second : first, path);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const Bytes now = test::ReadFile(path);
        if (now == oldFile) {
            ++sawOld;
        } else if (now == firstFile) {
            ++sawFirst;
        } else if (now == secondFile) {
            ++sawSecond;
        } else {
            FAIL() << "kill " << kill << " left a damaged file of " << now.size() << " bytes";
        }
    }
    std::printf("saves killed: %d; file found intact: %d (old %d, first image %d, second image %d)\n", kills,
                sawOld + sawFirst + sawSecond, sawOld, sawFirst, sawSecond);
    // The kills must have landed both before and after saves completed, or the test proves little.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawFirst + sawSecond, 0);
}

}  // namespace
}  // namespace qz7t
