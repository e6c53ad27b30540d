#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Replaces the file's contents with `bytes` without ever destroying the old file before the new
// one is complete: writes a temporary file beside it, syncs it and renames it over the file,
// keeping the file's permission bits and writing through a symbolic link to the file it names.
// Fails with "Cannot create file %s" when no file can be created there, and with
// "Failed to Save Stream" when writing fails part-way; either way the old file is untouched.
void saveFileSafely(const std::string& fileName, std::string_view bytes);

// The whole contents of a file; fails with "Cannot open file %s".
std::string readWholeFile(const std::string& fileName);

} // namespace quillon
