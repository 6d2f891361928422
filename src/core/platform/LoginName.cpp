#include "core/platform/LoginName.h"

#include "core/text/NumberFormat.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace linealidad::platform {

std::string loginName() {
    const uid_t uid = getuid();
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        return found->pw_name;
    return formatInteger(static_cast<long long>(uid));
}

} // namespace linealidad::platform
