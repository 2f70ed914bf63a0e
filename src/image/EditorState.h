#pragma once

#include "image/ImageBuffer.h"
#include "image/ImageLayout.h"

#include <cstddef>
#include <optional>

namespace qz7t {

// Everything the editor keeps between commands; the window owns exactly one.
struct EditorState {
    ImageBuffer image{};
    std::optional<ImageLayout> layout;  // none until the first successful load
    std::size_t cellWalk = 0;
};

}  // namespace qz7t
