#pragma once

#include <QStringList>

namespace linealidad::test {

// The thirteen inference lines of the worked example (ejemploTrabajado(), and the file
// ejemplos/ejemplo-trabajado.w02), as the inference window and the report write them.
QStringList workedExampleInferenceLines();

} // namespace linealidad::test
