#include "persist/settings.h"
#include "diag/log.h"
#include "persist/store_locations.h"

const char* const CSettings::kMagic = "VARNSETT";
const char* const CSettings::kFileName = "\\settings.dta";

namespace {

const char* const kWrongText = "CSettings::DeSerialize: file text is wrong";
const char* const kWrongVersion = "CSettings::DeSerialize: file version number is wrong";
const char* const kWrongSound = "CSettings::DeSerialize: sound setting is out of range";
const char* const kWrongPresentation = "CSettings::DeSerialize: presentation is out of range";

// The presentation's fields after the sound (version 257); null when fine.
const char* ReadPresentation(DeSerializer& in, PresentationChoice& choice) {
    const int32_t mode = in.GetInt();
    choice.left = in.GetInt();
    choice.top = in.GetInt();
    choice.width = in.GetInt();
    choice.height = in.GetInt();
    if (mode < 0 || mode >= kPresentationModeCount || choice.width < 0 || choice.height < 0)
        return kWrongPresentation;
    choice.mode = static_cast<PresentationMode>(mode);
    return nullptr;
}

} // namespace

SoundSetting NextSoundSetting(SoundSetting setting) {
    return static_cast<SoundSetting>((setting + 1) % kSoundSettingCount);
}

bool MusicIsOn(SoundSetting setting) {
    return setting == kSoundAllOn;
}

bool EffectsAreOn(SoundSetting setting) {
    return setting != kSoundAllOff;
}

CSettings* CSettings::GetInstance() {
    static CSettings instance;
    return &instance;
}

void CSettings::Initialize(const std::string& directory) {
    folder = directory;
    Load();
}

std::string CSettings::GetPath() const {
    return StoredFileToRead(folder, kFileName);
}

void CSettings::Serialize(Serializer& out) {
    out.PutString(kMagic);
    const bool withPresentation = !presentation.IsDefault();
    out.PutInt(withPresentation ? kPresentationVersion : kVersion);
    out.PutInt(sound);
    if (!withPresentation)
        return;
    out.PutInt(presentation.mode);
    out.PutInt(presentation.left);
    out.PutInt(presentation.top);
    out.PutInt(presentation.width);
    out.PutInt(presentation.height);
}

void CSettings::DeSerialize(DeSerializer& in) {
    const char* wrong = nullptr;
    int32_t version = 0;
    if (in.GetString() != kMagic)
        wrong = kWrongText;
    else if (version = in.GetInt(), version != kVersion && version != kPresentationVersion)
        wrong = kWrongVersion;
    const int32_t value = wrong == nullptr ? in.GetInt() : 0;
    if (wrong == nullptr && (value < 0 || value >= kSoundSettingCount))
        wrong = kWrongSound;
    PresentationChoice choice;
    if (wrong == nullptr && version == kPresentationVersion)
        wrong = ReadPresentation(in, choice);
    if (wrong != nullptr) {
        Log("%s", wrong);
        throw wrong;
    }
    sound = static_cast<SoundSetting>(value);
    presentation = choice;
}

bool CSettings::ReadFrom(DeSerializer& in) {
    try {
        DeSerialize(in);
        return true;
    } catch (...) {
        // Cut short or damaged: as on a first run.
        SetDefaults();
        return false;
    }
}

void CSettings::SetDefaults() {
    sound = kSoundAllOn;
    presentation = PresentationChoice();
}

bool CSettings::LoadFromBytes(const uint8_t* data, size_t size) {
    SetDefaults();
    DeSerializer in(data, size);
    return ReadFrom(in);
}

void CSettings::Load() {
    SetDefaults();
    try {
        DeSerializer in(GetPath());
        ReadFrom(in);
    } catch (...) {
        // Missing: as on a first run.
        SetDefaults();
    }
}

void CSettings::Save() {
    // Where the options go, the settings go (persist/store_locations.h).
    // An unwritable folder: the switch still holds until the game ends.
    StoreFile(folder, kFileName,
              [this](const std::string& path) { return StoreWhole(path, *this); });
}
