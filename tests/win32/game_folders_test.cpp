// Where the per-user folder is found: from the environment at start, from the
// shell when the environment does not name it; both must agree with what the
// shell calls the local application-data folder.
#include "app/game_folders.h"
#include "platform/win_types.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <optional>
#include <string>

namespace {

std::string ShellLocalAppData() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::string();
    return folder;
}

// Sets or removes one environment variable for the test, then puts it back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name(name) {
        char old[32768];
        const DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
        if (length > 0 && length < sizeof old)
            saved = std::string(old, length);
        SetEnvironmentVariableA(name, value);
    }
    ~ScopedVariable() { SetEnvironmentVariableA(name, saved ? saved->c_str() : nullptr); }

private:
    const char* name;
    std::optional<std::string> saved;
};

} // namespace

TEST(GameFolders, ThePerUserFolderIsTheShellsLocalAppDataWithOrWithoutTheEnvironment) {
    const std::string shell = ShellLocalAppData();
    ASSERT_FALSE(shell.empty());
    EXPECT_EQ(PerUserDataFolder(), shell + "\\Varnolt");
    {
        const ScopedVariable unset("LOCALAPPDATA", nullptr);
        EXPECT_EQ(PerUserDataFolder(), shell + "\\Varnolt");
    }
    {
        // Empty names no folder: the shell is asked instead of the disk's root.
        const ScopedVariable empty("LOCALAPPDATA", "");
        EXPECT_EQ(PerUserDataFolder(), shell + "\\Varnolt");
    }
}
