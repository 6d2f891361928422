#pragma once

#include "study/Study.h"

#include <string>

namespace linealidad::bench {

// A valid study of the largest size a study file may hold: 10 levels of 15 replicates, 150
// observations, on a calibration line with a small deterministic scatter.
Study estudioGrande();

// A temporary directory holding that study as a file, removed on destruction.
class ArchivoTemporal {
public:
    ArchivoTemporal();
    ~ArchivoTemporal();
    ArchivoTemporal(const ArchivoTemporal&) = delete;
    ArchivoTemporal& operator=(const ArchivoTemporal&) = delete;

    const std::string& ruta() const { return ruta_; }

private:
    std::string directorio_;
    std::string ruta_;
};

} // namespace linealidad::bench
