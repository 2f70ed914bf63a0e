#include "image/ImageFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <span>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qz7t {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool NamesNoFile(const std::string& path) { return path.empty() || path.back() == '/'; }

// Reads until end of file or until `into` is full; the count read, or -1 on an error.
long ReadAll(int fd, std::span<std::uint8_t> into)
{
    std::size_t total = 0;
    while (total < into.size()) {
        const ssize_t n = ::read(fd, into.data() + total, into.size() - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
    }
    return static_cast<long>(total);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteAllAt(int fd, std::span<const std::uint8_t> bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

// Copies the original's bytes from offset 32,768 on, so a save keeps a longer file's tail.
bool CopyTail(const std::string& original, int to, off_t fileSize)
{
    if (fileSize <= static_cast<off_t>(ImageSize)) return true;
    FileDescriptor from(::open(original.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!from.valid()) return false;
    std::array<std::uint8_t, 65536> chunk;
    for (off_t offset = ImageSize; offset < fileSize;) {
        const ssize_t n = ::pread(from.get(), chunk.data(), chunk.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        if (!WriteAll(to, std::span(chunk).first(static_cast<std::size_t>(n)))) return false;
        offset += n;
    }
    return true;
}

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

void SyncDirectory(const std::string& directory)
{
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // Some file systems refuse to sync a directory; the rename itself has already happened.
    if (dir.valid()) ::fsync(dir.get());
}

// Writes the whole new file beside the original, then renames it over; false leaves the original as it was.
enum class Replace { Done, Failed, NoTemporary };
Replace ReplaceThroughTemporary(std::span<const std::uint8_t> image, const struct stat& status,
                                const std::string& target)
{
    const auto slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string stem = DirectoryOf(target) + "/." + base + ".saving";
    // A plain counter, not a random name: O_EXCL alone keeps two saves from sharing one temporary file.
    std::string temporary;
    int created = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = attempt == 0 ? stem : stem + "-" + std::to_string(attempt);
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
        if (created >= 0 || errno != EEXIST) break;
    }
    FileDescriptor out(created);
    if (!out.valid()) return Replace::NoTemporary;

    // Only the superuser can hand the file back to another owner; for anyone else this may fail harmlessly.
    [[maybe_unused]] const int owned = ::fchown(out.get(), status.st_uid, status.st_gid);
    const bool written = ::fchmod(out.get(), status.st_mode & 07777) == 0 && WriteAll(out.get(), image)
                         && CopyTail(target, out.get(), status.st_size) && ::fsync(out.get()) == 0;
    if (!out.Close() || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return Replace::Failed;
    }
    SyncDirectory(DirectoryOf(target));
    return Replace::Done;
}

}  // namespace

std::string ImageFilePath(std::string_view directory, std::string_view fileName)
{
    std::string path(directory);
    path += '/';
    path += fileName;
    return path;
}

std::string CaptureImagePath(std::string_view fileListDirectory)
{
    if (!fileListDirectory.empty() && fileListDirectory.back() == '/') fileListDirectory.remove_suffix(1);
    return std::string(fileListDirectory);
}

LoadResult LoadImage(EditorState& state, const std::string& path)
{
    if (NamesNoFile(path)) return LoadResult::NoFileSelected;
    // Non-blocking, so that a FIFO or device selected by mistake cannot hang the window.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) return LoadResult::ReadFailed;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return LoadResult::ReadFailed;
    if (S_ISDIR(status.st_mode)) return LoadResult::NoFileSelected;
    if (!S_ISREG(status.st_mode)) return LoadResult::ReadFailed;
    if (status.st_size > static_cast<off_t>(MaxImageFileSize)) return LoadResult::FileTooLarge;

    // One byte more than a file may hold, to notice a file that grew after fstat.
    ImageBuffer contents;
    const long length = ReadAll(file.get(), contents);
    if (length < 0) return LoadResult::ReadFailed;
    if (static_cast<std::size_t>(length) > MaxImageFileSize) return LoadResult::FileTooLarge;
    if (length == 0) return LoadResult::UnsupportedRom;
    const auto layout = RecognizeLayout(contents[0]);
    if (!layout) return LoadResult::UnsupportedRom;

    std::copy_n(contents.begin(), length, state.image.begin());
    state.layout = layout;
    state.image[ClearedBytePosition(*layout)] = 0;
    return LoadResult::Loaded;
}

SaveResult SaveImage(const EditorState& state, const std::string& path)
{
    if (!state.layout) return SaveResult::NothingLoaded;
    if (NamesNoFile(path)) return SaveResult::NoFileSelected;

    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return SaveResult::WriteFailed;
    std::string target = path;
    if (S_ISLNK(status.st_mode)) {
        // A link stays a link: the file it points to is the one replaced.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr || ::stat(resolved, &status) != 0) {
            return SaveResult::WriteFailed;
        }
        target = resolved;
    }
    if (S_ISDIR(status.st_mode)) return SaveResult::NoFileSelected;
    // A file nobody may write is refused even where the superuser could override it.
    if (!S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0) return SaveResult::WriteFailed;

    if (::access(target.c_str(), W_OK) != 0) return SaveResult::WriteFailed;

    const auto image = std::span(state.image).first<ImageSize>();
    switch (ReplaceThroughTemporary(image, status, target)) {
    case Replace::Done: return SaveResult::Saved;
    case Replace::Failed: return SaveResult::WriteFailed;
    case Replace::NoTemporary: break;
    }
    // The directory takes no new file but the file itself is writable: overwrite its first bytes in place.
    FileDescriptor original(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (!original.valid() || !WriteAllAt(original.get(), image, 0) || ::fsync(original.get()) != 0
        || !original.Close()) {
        return SaveResult::WriteFailed;
    }
    return SaveResult::Saved;
}

}  // namespace qz7t
