#pragma once

#include <optional>
#include <string>

namespace linealidad {

// A study file as it is on disk: what ties a printed sheet to the data it came from.
struct SavedStudyFile {
    std::string name;   // the file's name, without its folders
    std::string sha256; // the 64 hexadecimal digits of the SHA-256 of its bytes
    friend bool operator==(const SavedStudyFile&, const SavedStudyFile&) = default;
};

// What the footer of every printed sheet says besides its number: where the figures came from,
// and with which program, when and by whom it was printed.
struct PrintStamp {
    enum class Source {
        SavedStudy,   // a study as saved in `file`
        UnsavedStudy, // a study with unsaved changes, or never saved
        NoStudy,      // a document that prints no study (the verification of the calculations)
    };
    Source source = Source::UnsavedStudy;
    SavedStudyFile file;   // when SavedStudy
    std::string version;   // the program's
    std::string printedAt; // local time, "AAAA-MM-DD HH:MM"
    std::string user;      // the login name

    // A study's stamp: saved when `saved` holds its file, unsaved otherwise.
    static PrintStamp forStudy(const std::optional<SavedStudyFile>& saved);
};

// "Página i de n · ARCHIVO · SHA-256 HASH · Linealidad VERSIÓN · impreso AAAA-MM-DD HH:MM ·
// USUARIO" with `fileName` in place of the file's name; "sin guardar" in place of the name and
// the hash of an unsaved study; neither for a document without a study.
std::string footerText(const PrintStamp& stamp, int page, int pages, const std::string& fileName);
inline std::string footerText(const PrintStamp& stamp, int page, int pages) {
    return footerText(stamp, page, pages, stamp.file.name);
}

} // namespace linealidad
