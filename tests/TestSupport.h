#pragma once

#include "image/EditorState.h"
#include "FileBytes.h"
#include "MemoryGrid.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace qz7t {

inline void PrintTo(const ImageLayout& layout, std::ostream* out)
{
    *out << (layout == ShiftedLayout ? "ShiftedLayout" : layout == BaseLayout ? "BaseLayout" : "other layout");
}

}  // namespace qz7t

namespace qz7t::test {

// A recognisable byte for every index, so that a moved or lost byte shows.
inline std::uint8_t PatternByte(std::size_t index) { return static_cast<std::uint8_t>(index * 31 + 7 + index / 256); }

inline Bytes MakeImage(std::uint8_t firstByte, std::size_t size = 32768)
{
    Bytes image(size);
    for (std::size_t i = 0; i < size; ++i) image[i] = PatternByte(i);
    if (size > 0) image[0] = firstByte;
    return image;
}

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        std::string name = (std::filesystem::temp_directory_path() / "qz7t-test-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// An editor state as a load leaves it, with every byte of the buffer set to its pattern byte.
inline EditorState PatternState(const ImageLayout& layout)
{
    EditorState state;
    for (std::size_t i = 0; i < state.image.size(); ++i) state.image[i] = PatternByte(i);
    state.image[0] = layout == ShiftedLayout ? ShiftedLayoutMark : BaseLayoutMark;
    state.layout = layout;
    return state;
}

// Every byte outside [first, first + count) is as it was.
inline testing::AssertionResult UnchangedOutside(const ImageBuffer& before, const ImageBuffer& after,
                                                 std::size_t first, std::size_t count)
{
    for (std::size_t i = 0; i < before.size(); ++i) {
        if ((i < first || i >= first + count) && before[i] != after[i]) {
            return testing::AssertionFailure() << "byte " << i << " changed outside the map";
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace qz7t::test
