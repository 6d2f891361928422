#pragma once

#include <functional>

namespace linealidad {

class Interaccion;

// Runs a command. A fault the program does not check for itself (a conversion, an arithmetic
// fault, a file error) ends the command where it occurs and is shown here, in the generic error
// report; what the command did before the fault stays. Returns whether it ran to its end.
bool ejecutaComando(Interaccion& interaccion, const std::function<void()>& comando);

// The hourglass cursor while an instance lives, restored however the scope ends.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

} // namespace linealidad
