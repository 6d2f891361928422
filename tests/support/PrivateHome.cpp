// Linked into every test program: before anything runs, the program gets a home folder of its
// own, new and empty, with the state, configuration, cache and data folders inside it, and
// removed when it ends. No test reads or writes the user's own folders (a recovery copy left
// by a crashed run, the acceptance criteria of the settings), however it is started (CTest, a
// developer's shell, the sanitizer build), and the programs a test starts inherit the same
// home.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class PrivateHome {
public:
    PrivateHome() {
        const char* temporary = std::getenv("TMPDIR");
        std::string folder = (temporary && *temporary ? std::string(temporary) : "/tmp") +
                             "/linealidad-test-home-XXXXXX";
        if (!::mkdtemp(folder.data()))
            std::abort(); // a test run on the user's own home is worse than none
        root_ = folder;
        ::setenv("HOME", root_.c_str(), 1);
        for (const auto& [variable, name] : {std::pair{"XDG_STATE_HOME", "/state"},
                                             {"XDG_CONFIG_HOME", "/config"},
                                             {"XDG_CACHE_HOME", "/cache"},
                                             {"XDG_DATA_HOME", "/data"}})
            ::setenv(variable, (root_ + name).c_str(), 1);
        // A test that waits on something that never comes (a real message box) fails within
        // a minute, not after QtTest's five.
        ::setenv("QTEST_FUNCTION_TIMEOUT", "60000", 0);
    }
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;
    ~PrivateHome() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

private:
    std::string root_;
};

const PrivateHome home;

} // namespace
