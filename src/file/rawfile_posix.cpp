#include "file/rawfile.h"
#include "file/rawfilesteps.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tavrin::file {
namespace {

[[noreturn]] void fail(const char* operation, const std::string& path, int code) {
    throw FileError(std::string(operation) + " \"" + path + "\": " + std::strerror(code) +
                        " (system code " + std::to_string(code) + ")",
                    path, code);
}

// Owns a file descriptor; close() lets a writer see the error that a deferred write
// reports only at close.
class Descriptor {
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }
    bool close() noexcept { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

Descriptor openRetrying(const std::string& path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return Descriptor(fd);
}

// Returns 0 or the errno of the failure.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string_view nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string_view(path)
                                      : std::string_view(path).substr(slash + 1);
}

// A process of another user still counts: it may be saving the same file.
bool processRuns(std::uint32_t id) {
    return id <= INT_MAX && (::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM);
}

// A rename is durable only once its folder's entry is on disk. File systems that cannot
// sync a folder say EINVAL; they offer nothing better, so that is not a failure.
void syncFolder(const std::string& path) {
    const std::string folder = folderOf(path);
    Descriptor dir = openRetrying(folder, O_RDONLY | O_DIRECTORY);
    if (!dir.valid()) {
        fail("cannot open the folder of", path, errno);
    }
    if (::fsync(dir.get()) != 0 && errno != EINVAL) {
        fail("cannot flush the folder of", path, errno);
    }
}

// The temporary file beside the target, open for writing; removed unless it has become
// the target or is kept.
class Temporary {
public:
    Temporary(std::string path, Descriptor file) : path_(std::move(path)), file_(std::move(file)) {}
    Temporary(Temporary&& other) noexcept
        : path_(std::move(other.path_)), file_(std::move(other.file_)),
          kept_(std::exchange(other.kept_, true)) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (!kept_) {
            ::unlink(path_.c_str());
        }
    }

    // Returns 0 or the errno of the first failure.
    int write(const std::string& target, std::string_view bytes) {
        // The replacement keeps the access rights the user gave the old file.
        struct stat old;
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
            ::fchmod(file_.get(), old.st_mode & 07777) != 0) {
            return errno;
        }
        if (const int code = writeAll(file_.get(), bytes); code != 0) {
            return code;
        }
        if (::fsync(file_.get()) != 0 || !file_.close()) {
            return errno;
        }
        return 0;
    }

    int renameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            return errno;
        }
        keep();
        return 0;
    }

    void keep() noexcept { kept_ = true; }

private:
    std::string path_;
    Descriptor file_;
    bool kept_ = false;
};

Temporary writtenTemporary(std::string name, const std::string& target, std::string_view bytes) {
    constexpr mode_t everyone = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
    Descriptor file = openRetrying(name, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, everyone);
    if (!file.valid()) {
        fail("cannot create a temporary file to save", target, errno);
    }
    Temporary temporary(std::move(name), std::move(file));
    if (const int code = temporary.write(target, bytes); code != 0) {
        fail("cannot write a temporary file to save", target, code);
    }
    return temporary;
}

} // namespace

namespace steps {

std::string besideName(const std::string& target, std::string_view extension) {
    return target + "." + std::to_string(::getpid()) + "." + std::string(extension);
}

void writeTemporary(const std::string& temporary, const std::string& target,
                    std::string_view bytes) {
    writtenTemporary(temporary, target, bytes).keep();
}

int replaceKeepingBackup(const std::string& target, const std::string& replacement,
                         const std::string& backup) {
    // A rename would move a folder aside as readily as a file.
    struct stat old;
    if (::stat(target.c_str(), &old) != 0) {
        return errno;
    }
    if (S_ISDIR(old.st_mode)) {
        return EISDIR;
    }
    // The backup is a second name of the old file, so that the target always names a whole
    // file: a process killed between the two steps leaves the old file in place.
    if (::link(target.c_str(), backup.c_str()) != 0 &&
        ::rename(target.c_str(), backup.c_str()) != 0) {
        return errno;
    }
    return moveOver(replacement, target);
}

int moveOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void raise(const char* operation, const std::string& path, int code) {
    fail(operation, path, code);
}

void removeQuietly(const std::string& path) noexcept {
    ::unlink(path.c_str());
}

void flushFolderOf(const std::string& target) {
    syncFolder(target);
}

void removeStaleTemporaries(const std::string& target) noexcept {
    try {
        const std::string folder = folderOf(target);
        const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
        if (!listing) {
            return;
        }
        std::vector<std::string> stale;
        while (const dirent* entry = ::readdir(listing.get())) {
            const auto owner = temporaryOwner(nameOf(target), entry->d_name);
            if (owner && !processRuns(*owner)) {
                stale.push_back(folder + "/" + entry->d_name);
            }
        }
        for (const std::string& path : stale) {
            ::unlink(path.c_str());
        }
    } catch (...) {
        // Out of memory while listing: the stale files wait for the next save.
    }
}

} // namespace steps

std::optional<FileHint> fileHint(const std::string& path) noexcept {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileHint{static_cast<std::uint64_t>(status.st_size),
                    static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                        status.st_mtim.tv_nsec};
}

bool fileMissing(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) == 0) {
        return false;
    }
    if (errno == ENOENT || errno == ENOTDIR) {
        return true;
    }
    fail("cannot look at", path, errno);
}

std::string readFile(const std::string& path) {
    Descriptor in = openRetrying(path, O_RDONLY);
    if (!in.valid()) {
        fail("cannot open", path, errno);
    }
    struct stat info;
    if (::fstat(in.get(), &info) != 0) {
        fail("cannot look at", path, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        fail("cannot read", path, EISDIR);
    }
    std::string bytes;
    if (S_ISREG(info.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(in.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot read", path, errno);
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

void replaceFile(const std::string& path, std::string_view bytes) {
    Temporary temporary = writtenTemporary(steps::besideName(path, "tmp"), path, bytes);
    if (const int code = temporary.renameTo(path); code != 0) {
        fail("cannot replace", path, code);
    }
    syncFolder(path);
    steps::removeStaleTemporaries(path);
}

} // namespace tavrin::file
