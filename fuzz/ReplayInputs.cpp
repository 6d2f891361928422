// Runs the fuzz target once on each file named, and on each file of each folder named, without
// libFuzzer: the committed regression inputs and seeds become a plain test that any compiler
// builds, and that the sanitizer build runs under its sanitizers.
//
// linealidad-fuzz-replay PATH...   (exit 0 when every input ran; 2 when a path cannot be read)

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files to run: a folder's regular files in name order (so a failure names the same
// input on every machine), a README describing the folder left out.
std::vector<fs::path> inputsOf(const fs::path& path) {
    if (!fs::is_directory(path))
        return {path};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(path))
        if (entry.is_regular_file() && entry.path().filename() != "README.md")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "no se puede leer " << file.string() << '\n';
        return false;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::cout << file.string() << std::endl; // named before it runs: a crash shows which
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    int count = 0;
    for (int i = 1; i < argc; ++i)
        for (const fs::path& file : inputsOf(argv[i])) {
            if (!replay(file))
                return 2;
            ++count;
        }
    std::cout << count << " inputs replayed\n";
    return count > 0 ? 0 : 2;
}
