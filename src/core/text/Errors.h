#pragma once

#include <stdexcept>
#include <string>

namespace linealidad {

// A fault that ends the running command and is shown by the generic error report. The
// message is the text the user reads.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number ("'x' is not a valid integer value").
class ConversionError : public Fault {
public:
    using Fault::Fault;
};

// An arithmetic fault, classified as the floating-point unit classifies it.
class ArithmeticError : public Fault {
public:
    using Fault::Fault;
    static ArithmeticError divisionByZero() {
        return ArithmeticError("Floating point division by zero");
    }
    static ArithmeticError invalidOperation() {
        return ArithmeticError("Invalid floating point operation");
    }
    static ArithmeticError overflow() { return ArithmeticError("Floating point overflow"); }
};

// A file that cannot be opened, read or written ("File not found", "Disk full", ...).
class FileError : public Fault {
public:
    using Fault::Fault;
};

// A file error whose message is a sentence that names the file itself ("El archivo "..." es
// de solo lectura: no se reemplazó.").
class NamedFileError : public FileError {
public:
    using FileError::FileError;
};

// A file that was read but cannot be a study; the message names the file and the line.
class StudyFormatError : public Fault {
public:
    using Fault::Fault;
};

// A text a message quotes (a cell, a line of a file), short enough to read: at most 40 bytes,
// cut at a character boundary with "…" marking the cut, so a cell of megabytes cannot make a
// message of megabytes. A NUL byte shows as "␀" (U+2400): the message is read up to its first
// NUL, and the rest of it must not be lost.
std::string quotedExcerpt(const std::string& text);

// The text of the generic error report: the message, with a full stop appended when its last
// character sorts after the full stop.
std::string genericReportText(const std::string& message);

// The message a command-line run ends with after `fault` on the file `file`: the generic
// report's text, with the file's name first for a file error (the system's message does not
// say which file, and on a command line that matters); a message that names its file already
// (a study-format message, a NamedFileError) as it is.
std::string commandLineMessage(const Fault& fault, const std::string& file);

} // namespace linealidad
