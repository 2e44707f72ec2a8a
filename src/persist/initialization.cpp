#include "persist/initialization.h"
#include "diag/log.h"
#include "persist/store_locations.h"

int32_t g_showOneTimeDirections = 1;
std::string g_optionsMagic = "VARNOPTN";
std::string g_optionsFileName = "\\options.dta";
std::string g_optionsPath;

namespace {

const char* const kWrongText = "CInitialization::DeSerialize: file text is wrong";
const char* const kWrongVersion = "CInitialization::DeSerialize: file version number is wrong";

} // namespace

CInitialization* CInitialization::GetInstance() {
    static CInitialization instance;
    return &instance;
}

// A fresh process shows the directions until a file says otherwise.
CInitialization::CInitialization() {
    g_showOneTimeDirections = 1;
}

void CInitialization::Initialize(const std::string& directory) {
    folder = directory;
    g_optionsPath = directory + g_optionsFileName;
    Load();
}

void CInitialization::Serialize(Serializer& out) {
    out.PutString(g_optionsMagic);
    out.PutInt(kVersion);
    out.PutInt(g_showOneTimeDirections);
}

void CInitialization::DeSerialize(DeSerializer& in) {
    if (in.GetString() != g_optionsMagic) {
        Log("%s", kWrongText);
        throw kWrongText;
    }
    if (in.GetInt() != kVersion) {
        Log("%s", kWrongVersion);
        throw kWrongVersion;
    }
    g_showOneTimeDirections = in.GetInt();
}

bool CInitialization::ReadFrom(DeSerializer& in) {
    try {
        DeSerialize(in);
        return true;
    } catch (...) {
        return false;
    }
}

bool CInitialization::LoadFromBytes(const uint8_t* data, size_t size) {
    DeSerializer in(data, size);
    return ReadFrom(in);
}

void CInitialization::Load() {
    bool good = false;
    try {
        DeSerializer in(StoredFileToRead(folder, g_optionsFileName));
        good = ReadFrom(in);
    } catch (...) {
        good = false;
    }
    // Missing, damaged or unreadable: a good file with the current values
    // takes its place. The reader is closed by now, so the old file can be
    // replaced even where open files cannot.
    if (!good)
        Save();
}

void CInitialization::Save() {
    // A folder we cannot write to keeps its old file.
    StoreFile(folder, g_optionsFileName,
              [this](const std::string& path) { return StoreWhole(path, *this); });
}
