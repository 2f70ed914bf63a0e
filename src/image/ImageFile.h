#pragma once

#include "image/EditorState.h"

#include <string>
#include <string_view>

namespace qz7t {

enum class LoadResult {
    Loaded,
    NoFileSelected,  // no name selected, or the path names a directory
    ReadFailed,
    FileTooLarge,
    UnsupportedRom,  // empty, or first byte neither 0x40 nor 0x50
};

enum class SaveResult {
    Saved,
    NothingLoaded,
    NoFileSelected,
    WriteFailed,  // missing, read-only or unwritable file, or an I/O error
};

// The directory, one separator, then the file name.
std::string ImageFilePath(std::string_view directory, std::string_view fileName);

// The directory a click in the file list captures: a root loses its trailing separator.
std::string CaptureImagePath(std::string_view fileListDirectory);

// Reads the whole file first; only an accepted image touches the buffer and layout.
LoadResult LoadImage(EditorState& state, const std::string& path);

// Replaces the file's first 32,768 bytes with the image, atomically where the directory allows.
SaveResult SaveImage(const EditorState& state, const std::string& path);

}  // namespace qz7t
