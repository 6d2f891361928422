#include "support/FileBytes.h"

#include <fstream>
#include <sstream>

namespace linealidad::test {

std::string readBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

} // namespace linealidad::test
