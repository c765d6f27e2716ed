#include "platform/FileSystem.h"

#include "platform/Text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qor {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::size_t lastSeparator(std::string_view path) {
    const auto it = std::find_if(path.rbegin(), path.rend(), isSeparator);
    return it == path.rend() ? std::string_view::npos
                             : static_cast<std::size_t>(path.rend() - it - 1);
}

fs::path nativePath(std::string_view path) {
    return fs::path(toNativePath(path));
}

// The files found existing but unreadable, by their absolute native names.
std::set<std::string>& unreadableFiles() {
    static std::set<std::string> files;
    return files;
}

std::string unreadableKey(std::string_view path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(nativePath(path), error);
    return (error ? nativePath(path) : absolute).lexically_normal().string();
}

void markUnreadable(std::string_view path, bool unreadable) {
    if (unreadable)
        unreadableFiles().insert(unreadableKey(path));
    else if (!unreadableFiles().empty())
        unreadableFiles().erase(unreadableKey(path));
}

// Whether a failed open means the file is there (and so holds data).
bool existsDespite(int openError) {
    return openError != ENOENT && openError != ENOTDIR && openError != ENAMETOOLONG &&
           openError != ELOOP;
}

// Closes a descriptor when it goes out of scope.
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
    // Closes now, reporting the error a delayed write may show only here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name beside the target that no other writer (in this or another
// process) picks at the same time; O_EXCL guards against the rest.
// The name stays short so that a long target name cannot make it too long.
std::string temporaryName(const std::string& nativeTarget) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const std::size_t separator = nativeTarget.rfind('/');
    const std::string dir =
        separator == std::string::npos ? std::string() : nativeTarget.substr(0, separator + 1);
    return dir + ".qor-" + std::to_string(::getpid()) + "-" + std::to_string(seed) + "-" +
           std::to_string(counter++) + ".tmp";
}

// The process that made a name of temporaryName, or nothing for other names.
std::optional<pid_t> temporaryWriter(std::string_view name) {
    constexpr std::string_view prefix = ".qor-", suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix))
        return std::nullopt;
    const std::string_view middle =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(middle.data(), middle.data() + middle.size(), pid);
    const std::string_view rest(end, static_cast<std::size_t>(middle.data() + middle.size() - end));
    const bool shaped = error == std::errc() && pid > 0 && rest.size() >= 4 && rest[0] == '-' &&
                        std::count(rest.begin(), rest.end(), '-') == 2 &&
                        std::all_of(rest.begin(), rest.end(),
                                    [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
    return shaped ? std::optional<pid_t>(pid) : std::nullopt;
}

mode_t creationMode(NewFileAccess access) {
    return access == NewFileAccess::OwnerOnly ? 0600 : 0666;
}

int createTemporary(const std::string& nativeTarget, NewFileAccess access, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(nativeTarget);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode(access));
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable; a failure here loses nothing.
void syncDirectory(const std::string& nativeTarget) {
    const fs::path dir = fs::path(nativeTarget).parent_path();
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string normalizeSeparators(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string toNativePath(std::string_view path) {
    return cp1252ToUtf8(normalizeSeparators(path));
}

std::optional<std::string> fromNativePath(std::string_view nativePath) {
    return utf8ToCp1252Exact(nativePath);
}

bool isAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

bool fileExists(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(nativePath(path), error);
}

bool directoryExists(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(nativePath(path), error);
}

std::string includeTrailingSeparator(std::string_view dir) {
    std::string out(dir);
    if (!out.empty() && !isSeparator(out.back()))
        out.push_back('/');
    return out;
}

std::string extractFileDir(std::string_view path) {
    const std::size_t separator = lastSeparator(path);
    return separator == std::string_view::npos ? std::string()
                                               : std::string(path.substr(0, separator + 1));
}

std::string extractFileName(std::string_view path) {
    const std::size_t separator = lastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string extractFileExt(std::string_view path) {
    const std::size_t separator = lastSeparator(path);
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart)
        return {};
    return std::string(path.substr(dot));
}

std::string changeFileExt(std::string_view path, std::string_view ext) {
    const std::size_t extLength = extractFileExt(path).size();
    return std::string(path.substr(0, path.size() - extLength)) + std::string(ext);
}

std::vector<DirectoryEntry> listDirectory(std::string_view dir) {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    fs::directory_iterator it(nativePath(dir), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        auto name = fromNativePath(it->path().filename().native());
        if (!name)
            continue;
        std::error_code typeError;
        entries.push_back({std::move(*name), it->is_directory(typeError)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return entries;
}

std::optional<std::string> readFile(std::string_view path) {
    FileDescriptor file(::open(toNativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        markUnreadable(path, existsDespite(errno));
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;

    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            markUnreadable(path, true);
            return std::nullopt;
        }
        data.append(buffer, static_cast<std::size_t>(count));
    }
    markUnreadable(path, false);
    return data;
}

bool isUnreadableFile(std::string_view path) {
    return unreadableFiles().count(unreadableKey(path)) != 0;
}

bool writeFileAtomic(std::string_view path, std::string_view data, NewFileAccess access) {
    if (path.empty() || isSeparator(path.back()) || isUnreadableFile(path))
        return false;
    const std::string target = toNativePath(path);
    std::string temporary;
    FileDescriptor file(createTemporary(target, access, temporary));
    if (file.get() < 0)
        return false;

    // A replaced file keeps its permissions (an executable shortcut stays one).
    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(file.get(), old.st_mode & 07777) == 0;
    ok = ok && writeAll(file.get(), data) && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(target);
    return true;
}

bool writeKeepingOld(const std::string& path, std::string_view data, bool keepOld,
                     NewFileAccess access) {
    if (keepOld) {
        const std::optional<std::string> original = readFile(path);
        if (original && !writeFileAtomic(path + ".bak", *original, access))
            return false;
    }
    return writeFileAtomic(path, data, access);
}

int removeStaleTemporaries(std::string_view dir) {
    int removed = 0;
    std::error_code error;
    fs::directory_iterator it(nativePath(dir), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::optional<pid_t> writer = temporaryWriter(it->path().filename().native());
        if (writer && ::kill(*writer, 0) != 0 && errno == ESRCH &&
            ::unlink(it->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

bool appendToFile(std::string_view path, std::string_view data, NewFileAccess access) {
    if (path.empty() || isSeparator(path.back()))
        return false;
    FileDescriptor file(::open(toNativePath(path).c_str(),
                               O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, creationMode(access)));
    if (file.get() < 0)
        return false;
    const bool written = writeAll(file.get(), data) && ::fsync(file.get()) == 0;
    return file.close() && written;
}

bool createDirectories(std::string_view dir) {
    if (dir.empty())
        return false;
    std::error_code error;
    fs::create_directories(nativePath(dir), error);
    return directoryExists(dir);
}

bool removeFile(std::string_view path) {
    std::error_code error;
    const fs::path native = nativePath(path);
    if (path.empty() || fs::is_directory(fs::symlink_status(native, error)))
        return false;
    return fs::remove(native, error);
}

// Like the rename of the system the program comes from, an existing file of
// the new name is never replaced: the caller removes it first if it must go.
bool renameFile(std::string_view from, std::string_view to) {
    std::error_code error;
    const fs::path target = nativePath(to);
    if (from.empty() || to.empty() || fs::exists(fs::symlink_status(target, error)))
        return false;
    fs::rename(nativePath(from), target, error);
    return !error;
}

} // namespace qor
