// Runs one LOAD or SAVE of a 32,768-byte image between two getppid() markers, so that
// `strace -f` shows exactly the system calls the operation makes (tools/count-io-syscalls).
#include "image/ImageFile.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "load") != 0 && std::strcmp(argv[1], "save") != 0)) {
        std::fprintf(stderr, "usage: %s load|save IMAGE\n", argv[0]);
        return 2;
    }
    auto state = std::make_unique<qz7t::EditorState>();
    const bool load = std::strcmp(argv[1], "load") == 0;
    if (!load && qz7t::LoadImage(*state, argv[2]) != qz7t::LoadResult::Loaded) return 1;

    ::getppid();
    const bool done = load ? qz7t::LoadImage(*state, argv[2]) == qz7t::LoadResult::Loaded
                           : qz7t::SaveImage(*state, argv[2]) == qz7t::SaveResult::Saved;
    ::getppid();
    return done ? 0 : 1;
}
