#pragma once

#include <string>

namespace linealidad::platform {

// The login name of the user the program runs as, from the system's user database; the user's
// number when the database has no entry for it.
std::string loginName();

} // namespace linealidad::platform
