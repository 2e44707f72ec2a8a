#include "app/game_folders.h"
#include "platform/win_types.h"

#include <shlobj.h>

#include <vector>

namespace {

// Written by scripts/make-msi.py into the installed program folder.
constexpr char kInstalledMarker[] = "installed.txt";

// The program's full path, however long.
std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::string();
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// The local application-data folder as the logon session names it. Read at
// every start, so it comes from the environment the system gives each
// program; asking the shell instead would load the shell's library (and
// COM with it) before the title shows. Empty when the variable is missing.
std::string LocalAppDataFromEnvironment() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(folder, length);
}

std::string LocalAppDataFromShell() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::string();
    return std::string(folder);
}

} // namespace

bool EnterProgramFolder() {
    const std::string program = ProgramPath();
    const size_t slash = program.find_last_of('\\');
    if (slash == std::string::npos)
        return false;
    // "C:\Varnolt.exe" lies in "C:\", whose backslash must stay.
    const std::string folder = program.substr(0, slash == 2 ? slash + 1 : slash);
    return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

std::string PerUserDataFolder() {
    std::string folder = LocalAppDataFromEnvironment();
    if (folder.empty())
        folder = LocalAppDataFromShell();
    return folder.empty() ? std::string() : folder + "\\Varnolt";
}

bool InstalledCopy() {
    const DWORD attributes = GetFileAttributesA(kInstalledMarker);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
