// The options file "\options.dta": the one setting kept between runs, whether
// the one-time directions still have to be shown.
#pragma once

#include "persist/serializer.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Non-zero while the one-time directions are still to be shown.
extern int32_t g_showOneTimeDirections;
// The file's identification text.
extern std::string g_optionsMagic;
// The file's name below the base directory, with its leading backslash.
extern std::string g_optionsFileName;
// The full path of the options file; empty until Initialize.
extern std::string g_optionsPath;

// Reads and writes the options file. The state itself lives in the globals
// above, so that the controller can read the flag without this object.
class CInitialization : public CSerializable {
public:
    // The one instance, made on the first call.
    static CInitialization* GetInstance();

    // Puts the identification text, the version and the flag.
    void Serialize(Serializer& out) override;
    // Gets and checks the text and the version, then the flag; throws (and
    // logs) a wrong text or version before anything has changed.
    void DeSerialize(DeSerializer& in) override;
    virtual ~CInitialization() = default;
    // Writes the file from the globals, into the folder given to Initialize
    // or else the per-user folder (store_locations.h); a file that cannot be
    // written anywhere stays as it was.
    virtual void Save();
    // Reads the file into the globals, the per-user copy first when there is
    // one; a missing or bad file is rewritten from the current values.
    virtual void Load();
    // Called by Load's reading and by the options fuzzer: reads an options
    // file's size bytes at data into the globals. False, with the globals as
    // they were, when they are not a good options file; nothing is written.
    bool LoadFromBytes(const uint8_t* data, size_t size);

    // Called by the controller when the main window is created, with the base
    // directory (no trailing backslash): sets g_optionsPath and loads.
    void Initialize(const std::string& directory);

    static constexpr int32_t kVersion = 256;

    CInitialization(const CInitialization&) = delete;
    CInitialization& operator=(const CInitialization&) = delete;

private:
    CInitialization();
    // The reading Load and LoadFromBytes share: DeSerialize, any failure
    // caught.
    bool ReadFrom(DeSerializer& in);

    // The game folder the options file belongs in.
    std::string folder;
};
