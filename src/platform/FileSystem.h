#pragma once
// Paths and files. Paths inside the program are Windows-1252 strings with '/'
// as separator; a '\' read from data is accepted as a separator too. Directory
// settings end in '/'. Only this file knows that the file system speaks UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// '\' -> '/'.
std::string normalizeSeparators(std::string_view path);

// The UTF-8 file-system name of a program path (separators normalised).
std::string toNativePath(std::string_view path);

// A file-system name as program text; nothing when a character of the name
// has no Windows-1252 counterpart.
std::optional<std::string> fromNativePath(std::string_view nativePath);

// Begins with '/'. A leading '\' from data is not absolute: it means "relative
// to the folder in use", which the caller resolves.
bool isAbsolutePath(std::string_view path);
bool fileExists(std::string_view path);      // a regular file
bool directoryExists(std::string_view path); // a directory

// Path pieces, all on program text.
std::string includeTrailingSeparator(std::string_view dir); // adds '/' if missing; "" stays ""
std::string extractFileDir(std::string_view path);  // up to and including the last separator
std::string extractFileName(std::string_view path); // after the last separator
std::string extractFileExt(std::string_view path);  // ".ext" of the file name, or empty
std::string changeFileExt(std::string_view path, std::string_view ext);

struct DirectoryEntry {
    std::string name; // program text
    bool isDirectory = false;
};

// The entries of a directory in name order, without "." and ".."; names
// that cannot be represented are skipped.
std::vector<DirectoryEntry> listDirectory(std::string_view dir);

// The whole content; nothing when path is no readable regular file. A file
// that exists but cannot be read (no permission, a read error) is remembered
// as unreadable until a later read succeeds.
std::optional<std::string> readFile(std::string_view path);

// Whether readFile last found path existing but unreadable.
bool isUnreadableFile(std::string_view path);

// Writes to a temporary file in the same directory, flushes it to disk and
// renames it over the target only then: a full disk or a crash never leaves a
// half-written file. False (and the old file untouched) on any failure; a
// missing directory is a failure too. A replaced file keeps its permissions.
// A file that could not be read is never replaced: what it holds was not
// loaded, so writing over it would lose it.
// A new file is readable by everyone, or only by its owner when it holds
// personal data.
enum class NewFileAccess { Everyone, OwnerOnly };
bool writeFileAtomic(std::string_view path, std::string_view data,
                     NewFileAccess access = NewFileAccess::Everyone);

// writeFileAtomic of data over path; when keepOld, what path held is first
// kept in "<path>.bak" (a file read only in part still holds what was not
// loaded). Fails without writing when the copy cannot be made.
bool writeKeepingOld(const std::string& path, std::string_view data, bool keepOld,
                     NewFileAccess access = NewFileAccess::Everyone);

// Removes the temporary files that writeFileAtomic left in dir when its
// process was killed during a save: those of processes that no longer run.
// The number removed.
int removeStaleTemporaries(std::string_view dir);

// Appends data at the end of a file, creating it when missing.
bool appendToFile(std::string_view path, std::string_view data,
                  NewFileAccess access = NewFileAccess::Everyone);

bool createDirectories(std::string_view dir); // true when the directory exists afterwards
bool removeFile(std::string_view path);       // a file, never a directory
// Fails when a file of the new name exists: it is never replaced silently.
bool renameFile(std::string_view from, std::string_view to);

} // namespace qor
