#pragma once
// Folders and files: where the user's and the machine's folders are, and reading, replacing and removing files.

#include <cstddef>
#include <cstdio>

namespace platform {

// Separator between the parts of every path the program builds.
constexpr char16_t SEPARATOR = u'/';

// Creates a folder and any of its parents that are missing; true when the folder is there afterwards.
bool makeFolder(const char16_t* path);
// The current working directory without a trailing separator, cut to the capacity; empty when it cannot be had.
void currentFolder(char16_t* buffer, int capacity);
// The folder holding the sample Default dictionary and the help pages, without a trailing separator: the working
// directory when it holds both (the source tree), else the data folder installed beside the program
// (<program's folder>/../share/quillora) when there is one, else the working directory.
void programDataFolder(char16_t* buffer, int capacity);
// True when something, a file or a folder, is at the path.
bool pathExists(const char16_t* path);

// Opens a file for raw reading; null when it cannot be opened. The caller closes it with fclose.
std::FILE* openForReading(const char16_t* path);
std::FILE* openForReading(const char* utf8Path);
// Replaces the file with the given bytes, whole or not at all: the old file stays if anything fails. Where the
// folder takes no new file but the file itself is writable, the file is written in place instead.
bool replaceFile(const char16_t* path, const char* data, std::size_t size);
bool replaceFile(const char* utf8Path, const char* data, std::size_t size);
// Removes a file; true when it is gone.
bool deleteFile(const char16_t* path);

// Converts a UTF-16 path to the narrow form the file system takes, cut at a character boundary so that it fits
// in capacity bytes with its terminating NUL.
void narrowPath(const char16_t* path, char* buffer, int capacity);

} // namespace platform
