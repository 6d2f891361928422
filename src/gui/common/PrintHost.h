#pragma once

namespace linealidad {

class Dialogs;
struct Study;

// What the print options windows ask of the main window that holds them.
class PrintHost {
public:
    virtual ~PrintHost() = default;

    virtual Dialogs& dialogs() = 0;
    // The study window's study as it stands, not validated; null when there is none.
    virtual const Study* printStudy() const = 0;
};

} // namespace linealidad
