#include "support/TempDir.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace qor::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(toNativePath(path_), ignored);
}

std::string TempDir::file(std::string_view relative, std::string_view content) const {
    const std::string path = path_ + std::string(relative);
    createDirectories(extractFileDir(path));
    if (!writeFileAtomic(path, content))
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempDir::dir(std::string_view relative) const {
    const std::string path = includeTrailingSeparator(path_ + std::string(relative));
    createDirectories(path);
    return path;
}

std::string TempDir::unreadableFile(std::string_view relative) const {
    const std::string path = path_ + std::string(relative);
    createDirectories(extractFileDir(path));
    // Reading this process's memory from address 0 fails with an I/O error.
    std::filesystem::create_symlink("/proc/self/mem", toNativePath(path));
    return path;
}

} // namespace qor::test
