#include "platform/SafeSave.h"

#include "core/Failure.h"
#include "core/Messages.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

[[noreturn]] void failCreate(const std::string& fileName) {
    throw Failure(formatMessage(messages::cannotCreateFile, fileName));
}

[[noreturn]] void failSave() {
    throw Failure(std::string(messages::failedToSaveStream));
}

// The file a save must replace: the target of a symbolic link (followed to the end), or the
// name itself.
std::string resolvedTarget(const std::string& fileName) {
    namespace fs = std::filesystem;
    fs::path path(fileName);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)) || error)
            return path.string();
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return path.string();
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

void saveFileSafely(const std::string& fileName, std::string_view bytes) {
    // A file-size limit must fail the write, not end the program.
    static std::once_flag ignoreFileSizeSignal;
    std::call_once(ignoreFileSizeSignal, [] { std::signal(SIGXFSZ, SIG_IGN); });

    if (fileName.empty())
        failCreate(fileName);
    const std::string target = resolvedTarget(fileName);
    std::filesystem::path targetPath(target);
    const std::string folder =
        targetPath.has_parent_path() ? targetPath.parent_path().string() : std::string(".");

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        failCreate(fileName);
    const mode_t mode = exists ? (existing.st_mode & 07777) : (0666 & ~currentUmask());

    std::string temporary = folder + "/." + targetPath.filename().string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        failCreate(fileName);

    const bool written =
        ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        failSave();
    }
    syncFolder(folder);
}

std::string readWholeFile(const std::string& fileName) {
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
        if (descriptor >= 0)
            ::close(descriptor);
        throw Failure(formatMessage(messages::cannotOpenFile, fileName));
    }
    std::string contents;
    contents.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(descriptor);
            throw Failure(std::string(messages::failedToLoadStream));
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(descriptor);
    return contents;
}

} // namespace quillon
