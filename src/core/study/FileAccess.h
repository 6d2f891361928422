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

// The file's bytes, at most `limit` + 1 of them: enough to tell a file of the size the caller
// takes from a larger one without holding the larger one, which may have no end at all (a
// device, a pipe). A directory is refused as "File access denied".
std::string readFileBytes(const std::string& path, std::size_t limit);

// Makes `bytes` the content of `path`: they go to a new file in the same folder, which is
// flushed to the disk and then put in place of `path` in one step, so the old content stays
// whole until the new one is. The new file has no name while it is written where the file
// system allows it, so a process killed in the middle leaves nothing behind; elsewhere it has a
// short temporary name, and such names left by programs that no longer run are removed by the
// next save in that folder. On any failure the new file is removed and the old one is
// untouched. An existing file keeps its permissions; one without write permission is refused
// (a Spanish FileError naming it) and kept. A symbolic link keeps pointing at the file it
// names, which is replaced (or created, when it does not exist yet).
void replaceFileBytes(const std::string& path, std::string_view bytes);

} // namespace linealidad
