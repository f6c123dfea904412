#pragma once
// The program's own text files (keep lists, custom items, junk patterns): ANSI text, one entry
// per line, every line ended by CR LF, read and written whole.
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace hv {

// The lines of a text file as they stand (CR LF, LF or CR end a line); false when the file
// cannot be read, and then lines is empty.
bool ReadTextLines(FileSystem& files, const std::string& path, std::vector<std::string>& lines);
// Every line followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);
// Writes the whole file to a temporary file in the same folder and renames it over the old
// one, so that a failed write leaves the old file as it was. kSuccess or the failing call's
// error; the temporary file never stays behind.
long WriteTextFileSafely(FileSystem& files, const std::string& path, const std::string& content);
// WriteTextFileSafely of the lines, each ended by CR LF.
long WriteTextLines(FileSystem& files, const std::string& path,
                    const std::vector<std::string>& lines);

}  // namespace hv
