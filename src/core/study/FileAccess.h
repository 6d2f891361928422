#pragma once

#include "core/text/Errors.h"

#include <string>
#include <string_view>

namespace linealidad {

// Whole-file reading and safe replacing for the files the program keeps. Failures throw
// FileError with the messages the generic error report shows.

// The file error for a system error number: "File not found", "File access denied",
// "Disk full", or "I/O error <n>" for the rest.
FileError fileErrorFor(int errorNumber);

// Every byte of the file. A directory is refused as "File access denied".
std::string readFileBytes(const std::string& path);

// Makes `bytes` the content of `path`: they go to a new file beside it, which is flushed to
// the disk and then renamed over `path`, so the old content stays whole until the new one is.
// On any failure the new file is removed and the old one is untouched. An existing file keeps
// its permissions; a symbolic link keeps pointing at the file it names, which is replaced.
void replaceFileBytes(const std::string& path, std::string_view bytes);

} // namespace linealidad
