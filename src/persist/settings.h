// The settings file "\settings.dta", beside the options file: the player's
// choices that outlive a run, today the sound switch. Layout (integers 32-bit
// little-endian): the text "VARNSETT" as a string (length 8, then the bytes),
// the version 256, then the sound setting. Version 257 adds, after the sound,
// how the picture is presented and the window's place: mode, left, top,
// width, height. A player who never changes the presentation keeps version
// 256 files, byte for byte as before. The options file is left alone,
// so that a game which never touches the switch keeps exactly the files it
// always had.
#pragma once

#include "persist/serializer.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The sound switch's three positions, in the order it steps through them.
enum SoundSetting : int32_t {
    kSoundAllOn = 0,    // music and effects
    kSoundMusicOff = 1, // effects only
    kSoundAllOff = 2,   // silence
};
constexpr int32_t kSoundSettingCount = 3;

// All on, music off, all off, then all on again.
SoundSetting NextSoundSetting(SoundSetting setting);
bool MusicIsOn(SoundSetting setting);
bool EffectsAreOn(SoundSetting setting);

// How the game's picture reaches the screen: the display switched to the
// picture's size (as designed), full screen at the desktop's own size with
// the picture scaled to fit, or a framed window the player can size.
enum PresentationMode : int32_t {
    kPresentModeSwitch = 0,
    kPresentFullScreen = 1,
    kPresentWindow = 2,
};
constexpr int32_t kPresentationModeCount = 3;

// The player's presentation and the framed window's last place and size
// (screen coordinates of the whole window; width 0: never placed).
struct PresentationChoice {
    PresentationMode mode = kPresentModeSwitch;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool IsDefault() const {
        return mode == kPresentModeSwitch && left == 0 && top == 0 && width == 0 && height == 0;
    }
};

class CSettings : public CSerializable {
public:
    static constexpr int32_t kVersion = 256;
    // Files that also keep the presentation.
    static constexpr int32_t kPresentationVersion = 257;
    static const char* const kMagic;
    static const char* const kFileName; // "\settings.dta"

    // The one instance, made on the first call.
    static CSettings* GetInstance();
    CSettings() = default;
    virtual ~CSettings() = default;

    // Called by the controller when the main window is created, with the
    // folder the options file belongs to (no trailing backslash): reads the
    // file, its per-user copy first when there is one.
    void Initialize(const std::string& directory);
    // A missing, short or damaged file means everything on; it is left as
    // it is until the player changes a setting.
    void Load();
    // Called by Load's reading and by the settings fuzzer: reads a settings
    // file's size bytes at data. False, with everything on, when they are not
    // a good settings file.
    bool LoadFromBytes(const uint8_t* data, size_t size);
    // Writes the file the safe way: a new file that replaces the old one only
    // once it is complete, in the game's folder or, where that cannot be
    // written, the per-user one, as the options are. A file that cannot be
    // written anywhere stays as it was, and the setting holds for this run.
    void Save();

    void Serialize(Serializer& out) override;
    // Checks the text, the version and the value before changing anything;
    // throws (and logs) the first that is wrong.
    void DeSerialize(DeSerializer& in) override;

    SoundSetting GetSound() const { return sound; }
    void SetSound(SoundSetting setting) { sound = setting; }
    // Called by the presentation: the choice read, and a new one to keep
    // (stored by the next Save).
    const PresentationChoice& GetPresentation() const { return presentation; }
    void SetPresentation(const PresentationChoice& choice) { presentation = choice; }

    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

private:
    // The file read: beside the options, or its per-user copy.
    std::string GetPath() const;
    // The reading Load and LoadFromBytes share: DeSerialize, and everything
    // on after any failure.
    bool ReadFrom(DeSerializer& in);
    // Everything on, the designed mode switch: a first run's settings.
    void SetDefaults();

    std::string folder;
    SoundSetting sound = kSoundAllOn;
    PresentationChoice presentation;
};
