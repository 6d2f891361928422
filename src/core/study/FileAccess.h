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
// takes from a larger one without holding the larger one. Only a regular file is read: a
// folder, a device, a pipe or a loop of links is refused at once, without waiting for a
// writer, with a NamedFileError ("El archivo "..." no es un archivo normal: no se puede
// abrir.").
std::string readFileBytes(const std::string& path, std::size_t limit);

// Makes `bytes` the content of `path`: they go to a new file in the same folder
// (ReplacementFile), which is flushed to the disk and then put in place of `path` in one step,
// so the old content stays whole until the new one is. Temporary names left in that folder by
// programs that no longer run are removed first, whatever becomes of the save. On any failure
// the new file is removed and the old one is untouched.
//
// An existing file keeps its permissions, and its owner and group where this process may give
// them (the new file has them before its first byte); being a new file, it has a new identity:
// other hard links to the old one keep the old content. Only regular files are replaced: a
// target that is anything else (a folder, a device, a pipe, a loop of links) is refused with a
// NamedFileError ("El archivo "..." no es un archivo normal: no se reemplazó.") and left as
// it was, as is one without write permission ("... es de solo lectura: no se reemplazó."). A
// symbolic link keeps pointing at the file it names, which is replaced (or created, when it
// does not exist yet).
void replaceFileBytes(const std::string& path, std::string_view bytes);

} // namespace linealidad
