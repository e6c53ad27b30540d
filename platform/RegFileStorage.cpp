#include "platform/RegFileStorage.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }
    void keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

template <typename Call> auto retryingOnInterrupt(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool madeFolders(const std::string& folder) {
    if (isFolder(folder))
        return true;
    if (errno != ENOENT)
        return false;
    const std::string parent = folderOf(folder);
    if (parent != folder && !madeFolders(parent))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && isFolder(folder));
}

int lockFile(int fd, int operation) {
    return retryingOnInterrupt([&] { return ::flock(fd, operation); });
}

// The outer optional is empty on an I/O failure, the inner one when there is no file.
std::optional<std::optional<std::string>> readWholeFile(const std::string& path) {
    FileDescriptor file(
        retryingOnInterrupt([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }));
    if (!file.valid()) {
        if (errno == ENOENT)
            return std::optional<std::string>();
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    while (true) {
        const ssize_t count =
            retryingOnInterrupt([&] { return ::read(file.get(), buffer, sizeof buffer); });
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return std::optional<std::string>(std::move(text));
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

bool wroteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = retryingOnInterrupt(
            [&] { return ::write(fd, text.data() + written, text.size() - written); });
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

bool syncedFolder(const std::string& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return false;
    // Some file systems cannot sync a folder; the rename is then as durable as they allow.
    return ::fsync(fd.get()) == 0 || errno == EINVAL;
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

} // namespace

RegFileStorage::RegFileStorage(std::string filePath)
    : filePath_(std::move(filePath)), lockPath_(filePath_ + ".lock") {}

std::string RegFileStorage::defaultPath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string base = configHome && configHome[0] == '/'
                                 ? withoutTrailingSlashes(configHome)
                                 : withoutTrailingSlashes(homeFolder()) + "/.config";
    return (base == "/" ? "" : base) + "/quillon/registry.reg";
}

std::optional<std::string> RegFileStorage::load() {
    int fd = retryingOnInterrupt(
        [&] { return ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600); });
    // In a folder we may not write in, nobody of ours can replace the file either; without a lock
    // file at all (no folder yet) there is nothing to read.
    if (fd < 0 && errno != ENOENT)
        fd = ::open(lockPath_.c_str(), O_RDONLY | O_CLOEXEC);
    FileDescriptor lock(fd);
    if (lock.valid() && lockFile(lock.get(), LOCK_SH) != 0)
        throw StorageError("Cannot lock " + lockPath_ + ": " + std::strerror(errno));
    auto text = readWholeFile(filePath_);
    if (!text)
        throw StorageError("Cannot read " + filePath_ + ": " + std::strerror(errno));
    return *text;
}

bool RegFileStorage::update(const Change& change) {
    const std::string folder = folderOf(filePath_);
    if (!madeFolders(folder))
        return false;
    FileDescriptor lock(retryingOnInterrupt(
        [&] { return ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600); }));
    if (!lock.valid() || lockFile(lock.get(), LOCK_EX) != 0)
        return false;

    const auto current = readWholeFile(filePath_);
    if (!current)
        return false;
    const auto next = change(*current);
    if (!next)
        return true;

    mode_t mode = 0600;
    if (struct stat status{}; ::stat(filePath_.c_str(), &status) == 0)
        mode = status.st_mode & 07777;

    std::string pattern = folder + "/." + nameOf(filePath_) + ".XXXXXX";
    FileDescriptor output(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!output.valid())
        return false;
    TemporaryFile temporary(pattern);
    if (mode != 0600 && ::fchmod(output.get(), mode) != 0)
        return false;
    if (!wroteAll(output.get(), *next) || ::fsync(output.get()) != 0 || !output.close())
        return false;
    if (::rename(temporary.path().c_str(), filePath_.c_str()) != 0)
        return false;
    temporary.keep();
    return syncedFolder(folder);
}

} // namespace quillon
