// Drives the core with arbitrary input: the bytes of a file to load, then a sequence of operations.
// After every operation it checks that a refusal changed nothing and that no byte outside the
// operation's own range changed; after a save, that the file holds the image and kept its tail.
#include "image/ImageFile.h"
#include "maps/CellText.h"
#include "maps/FuelMap.h"
#include "maps/IgnitionMap.h"
#include "revlimit/RevLimit.h"

#include "FileBytes.h"
#include "MemoryGrid.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace qz7t;
using test::Bytes;
using test::ReadFile;
using test::WriteFile;

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)

class Input {
public:
    explicit Input(std::span<const std::uint8_t> data) : data_(data) {}
    bool empty() const { return data_.empty(); }
    std::uint8_t Byte()
    {
        if (data_.empty()) return 0;
        const std::uint8_t b = data_.front();
        data_ = data_.subspan(1);
        return b;
    }
    std::size_t Number(int bytes)
    {
        std::size_t n = 0;
        for (int i = 0; i < bytes; ++i) n = n << 8 | Byte();
        return n;
    }
    Bytes Take(std::size_t count)
    {
        count = std::min(count, data_.size());
        Bytes taken(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(count));
        data_ = data_.subspan(count);
        return taken;
    }

private:
    std::span<const std::uint8_t> data_;
};

bool SameOutside(const ImageBuffer& before, const ImageBuffer& after, std::size_t first, std::size_t count)
{
    const auto end = static_cast<std::ptrdiff_t>(first + count);
    return std::equal(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(first), after.begin())
           && std::equal(before.begin() + end, before.end(), after.begin() + end);
}

// Loads `file` and checks the result against what a load of those bytes must do.
void CheckedLoad(EditorState& state, const std::string& path, const Bytes& file)
{
    WriteFile(path, file);
    const EditorState before = state;
    const LoadResult result = LoadImage(state, path);
    const bool recognised = !file.empty() && (file[0] == 0x40 || file[0] == 0x50);
    if (file.size() > MaxImageFileSize) {
        FUZZ_CHECK(result == LoadResult::FileTooLarge);
    } else if (!recognised) {
        FUZZ_CHECK(result == LoadResult::UnsupportedRom);
    } else {
        FUZZ_CHECK(result == LoadResult::Loaded);
    }
    if (result != LoadResult::Loaded) {
        FUZZ_CHECK(state.image == before.image && state.layout == before.layout);
        return;
    }
    const std::size_t cleared = ClearedBytePosition(*state.layout);
    FUZZ_CHECK(state.image[cleared] == 0);
    ImageBuffer expected = before.image;
    std::copy(file.begin(), file.end(), expected.begin());
    expected[cleared] = 0;
    FUZZ_CHECK(state.image == expected);
}

std::string CellTextFrom(Input& in)
{
    static constexpr const char* Dictionary[] = {"0", "1", "86", "254", "255", "256", "007", " 12 ", ("\u3000" "9"),
                                                 "\uFF11\uFF12", "-1", "+1", "1.5", "", "0x1F", "Text1"};
    const std::uint8_t kind = in.Byte();
    if (kind < 160) return Dictionary[kind % std::size(Dictionary)];
    const Bytes raw = in.Take(in.Byte() % 12);
    return std::string(raw.begin(), raw.end());
}

void CheckedSave(const EditorState& state, const std::string& path, const Bytes& fileBefore)
{
    const SaveResult result = SaveImage(state, path);
    const Bytes after = ReadFile(path);
    if (!state.layout) {
        FUZZ_CHECK(result == SaveResult::NothingLoaded && after == fileBefore);
        return;
    }
    FUZZ_CHECK(result == SaveResult::Saved);
    FUZZ_CHECK(after.size() == std::max(fileBefore.size(), ImageSize));
    FUZZ_CHECK(std::equal(after.begin(), after.begin() + ImageSize, state.image.begin()));
    FUZZ_CHECK(std::equal(after.begin() + ImageSize, after.end(), fileBefore.begin() + ImageSize));
}

class Scratch {
public:
    Scratch()
    {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string name = std::string(base) + "/qz7t-fuzz-XXXXXX";
        dir_ = ::mkdtemp(name.data()) ? name : std::string();
        FUZZ_CHECK(!dir_.empty());
    }
    ~Scratch() { std::filesystem::remove_all(dir_); }
    std::string operator/(const char* name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

void Run(Input& in)
{
    const Scratch scratch;
    const std::string loadPath = scratch / "load.bin";
    const std::string savePath = scratch / "save.bin";
    EditorState state;
    test::MemoryGrid grid;

    CheckedLoad(state, loadPath, in.Take(in.Number(3) % 140001));

    Bytes saveFile(32768 + in.Byte() * 16, 0x5A);  // a tail the saves must keep
    WriteFile(savePath, saveFile);

    for (int operations = 0; !in.empty() && operations < 64; ++operations) {
        const std::uint8_t op = in.Byte() % 16;
        const ImageBuffer before = state.image;
        const auto texts = grid.texts();
        auto unchanged = [&] { return state.image == before && grid.texts() == texts; };

        if (op == 12) {
            CheckedLoad(state, loadPath, in.Take(in.Number(2) * 3));
            continue;
        }
        if (op == 13) {
            grid.SetCellText(in.Byte() % GridBoxCount + 1, CellTextFrom(in));
            continue;
        }
        if (op == 14) {
            CheckedSave(state, savePath, saveFile);
            saveFile = ReadFile(savePath);
            continue;
        }
        if (!state.layout) continue;  // the window offers map and rev-limit commands only after a load

        const std::size_t ignition = IgnitionMapPosition(*state.layout);
        const std::size_t fuel = FuelMapPosition(*state.layout);
        const std::size_t revLimit = RevLimitHighPosition(*state.layout);
        switch (op) {
        case 0:
            ShowIgnitionMap(state, grid);
            FUZZ_CHECK(state.image == before);
            break;
        case 1:
        case 2: {
            const int delta = op == 1 ? 1 : -1;
            if ((op == 1 ? RaiseIgnitionBytes(state) : LowerIgnitionBytes(state))) {
                FUZZ_CHECK(unchanged());
                break;
            }
            PinAndShowIgnitionMap(state, grid);
            FUZZ_CHECK(SameOutside(before, state.image, ignition, 224));
            for (int box = 1; box <= GridBoxCount; ++box) {
                const int expected = IsIgnitionPinnedBox(box) ? 86 : before[ignition + box - 1] + delta;
                FUZZ_CHECK(state.image[ignition + box - 1] == expected);
                FUZZ_CHECK(grid.CellText(box) == ByteToCellText(state.image[ignition + box - 1]));
            }
            break;
        }
        case 3:
            if (WriteBackIgnitionMap(state, grid)) {
                FUZZ_CHECK(unchanged());
                break;
            }
            FUZZ_CHECK(SameOutside(before, state.image, ignition, 224));
            for (int box = 1; box <= GridBoxCount; ++box) {
                const auto typed = IsIgnitionPinnedBox(box) ? std::optional<std::uint8_t>(86)
                                                            : CellTextToByte(texts[box - 1]);
                FUZZ_CHECK(typed && state.image[ignition + box - 1] == *typed);
            }
            break;
        case 4:
            ShowFuelMap(state, grid);
            FUZZ_CHECK(SameOutside(before, state.image, fuel, FuelMapBytes));
            break;
        case 5:
            if (RaiseFuelBytes(state)) {
                FUZZ_CHECK(unchanged());
                break;
            }
            ZeroAndShowFuelMap(state, grid);
            FUZZ_CHECK(SameOutside(before, state.image, fuel, FuelMapBytes));
            break;
        case 6:
            LowerFuelBytes(state);
            ZeroAndShowFuelMap(state, grid);
            FUZZ_CHECK(SameOutside(before, state.image, fuel, FuelMapBytes));
            break;
        case 7:
            if (WriteBackFuelMap(state, grid)) {
                FUZZ_CHECK(unchanged());
                break;
            }
            FUZZ_CHECK(SameOutside(before, state.image, fuel, FuelMapBytes));
            break;
        case 8:
        case 9: {
            const std::uint16_t period = ReadRevLimitPeriod(state);
            const bool up = op == 8;
            if ((up ? StepRevLimitUp(state) : StepRevLimitDown(state)) == RevLimitStep::OutOfRange) {
                FUZZ_CHECK(unchanged() && (up ? period <= 1 : period == 0xFFFF));
                break;
            }
            FUZZ_CHECK(ReadRevLimitPeriod(state) == (up ? period - 1 : period + 1));
            FUZZ_CHECK(SameOutside(before, state.image, revLimit, 2));
            FUZZ_CHECK(!ShowRevLimit(state).empty());
            break;
        }
        default: {
            const std::string shown = ShowRevLimit(state);
            FUZZ_CHECK(shown.empty() == (ReadRevLimitPeriod(state) == 0));
            FUZZ_CHECK(state.image == before);
            break;
        }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(std::span(data, size));
    Run(in);
    return 0;
}
