// Writes the fuzzer's starting inputs: recognised images of both layouts followed by operations,
// and the files a load must refuse.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Seed(std::size_t fileLength, std::uint8_t firstByte, const Bytes& operations)
{
    Bytes seed{static_cast<std::uint8_t>(fileLength >> 16), static_cast<std::uint8_t>(fileLength >> 8),
               static_cast<std::uint8_t>(fileLength)};
    for (std::size_t i = 0; i < fileLength; ++i) seed.push_back(i == 0 ? firstByte : static_cast<std::uint8_t>(i * 7));
    seed.push_back(4);  // a tail for the save file
    seed.insert(seed.end(), operations.begin(), operations.end());
    return seed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    // Every operation once, then typed cells, write-backs and a save.
    const Bytes everything{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 5, 1, 13, 200, 3, 'x', 'y', 'z', 3, 7, 14};
    const Bytes rows{4, 13, 100, 2, 13, 130, 4, 13, 150, 6, 7, 0, 1, 1, 1, 2, 8, 8, 9, 14, 12, 0, 10};
    const std::vector<Bytes> seeds{
        Seed(32768, 0x40, everything), Seed(32768, 0x50, everything), Seed(32768, 0x40, rows),
        Seed(40000, 0x50, rows),       Seed(0, 0, {14, 0}),            Seed(100, 0x70, {0, 14}),
        Seed(131072, 0x40, {14}),      Seed(131073, 0x40, {14}),
    };
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream out(dir / ("seed-" + std::to_string(i)), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(seeds[i].data()), static_cast<std::streamsize>(seeds[i].size()));
    }
    return 0;
}
