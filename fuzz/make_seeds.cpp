// Writes the seeds of the options and save-file fuzzers with the game's own
// writers. Options: good files holding each flag value, one cut after its
// version, one of a later version. Settings: the sound switch alone, with a
// window's presentation, and with a household's corner settings and players.
// Page 1: as it is first laid out, partly and wholly solved, cleared again,
// and a file of the header alone. Photo page files: each piece count in both
// frames.
//   make_seeds SEEDS_FOLDER
#include "persist/initialization.h"
#include "persist/puzzle_file_ops.h"
#include "persist/settings.h"
#include "photos/page_file.h"
#include "photos/photo_frame.h"
#include "sprites/page_storage.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/scratch_folder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Through the game's own layout; Save() would write into the folder the game
// was started in, not to the seed's name.
void WriteOptions(const std::string& path, int32_t flag) {
    g_showOneTimeDirections = flag;
    Serializer out(path);
    CInitialization::GetInstance()->Serialize(out);
    out.Commit();
}

void WriteSettings(const std::string& path, SoundSetting sound, const PresentationChoice& choice,
                   const FamilyChoice& family = FamilyChoice()) {
    CSettings settings;
    settings.SetSound(sound);
    settings.SetPresentation(choice);
    settings.SetFamily(family);
    Serializer out(path);
    settings.Serialize(out);
    out.Commit();
}

void WriteOptionsHeader(const std::string& path, int32_t version, bool withFlag) {
    Serializer out(path);
    out.PutString(g_optionsMagic);
    out.PutInt(version);
    if (withFlag)
        out.PutInt(1);
    out.Commit();
}

void WritePage(CPlaySession& session, const std::string& path) {
    PuzzleFileOps::Instance()->WriteSaveFile(path, RecordPage(session.Document()));
}

// False when page 1 could not be played.
bool WritePageSeeds(const std::string& seeds) {
    ScratchFolder game("varnolt-save-seeds");
    PageArt art;
    art.pieceSize = PictureSize{32, 28};
    art.backgroundSize = PictureSize{160, 120};
    WritePageFolder(game.path, {1}, art);
    CPlaySession session(game.path);
    session.ShowPage(1);
    WritePage(session, seeds + "/new.sav");
    int failures = 0;
    for (int32_t k : {0, 4, 8})
        failures += session.PlacePiece(k) ? 0 : 1;
    WritePage(session, seeds + "/three_placed.sav");
    for (int32_t k : {1, 2, 3, 5, 6, 7})
        failures += session.PlacePiece(k) ? 0 : 1;
    WritePage(session, seeds + "/solved.sav");
    session.View().ClearPage(nullptr);
    WritePage(session, seeds + "/cleared.sav");
    session.Document().Sprites().DeleteAll();
    WritePage(session, seeds + "/empty.sav");
    return failures == 0 && std::filesystem::exists(seeds + "/solved.sav");
}

bool WritePhotoPageSeeds(const std::string& seeds) {
    for (const int32_t count : photos::kPieceCounts)
        for (const bool landscape : {false, true}) {
            photos::PhotoPageInfo info;
            info.pieceCount = count;
            info.cutSeed = static_cast<uint32_t>(count * 2654435761u);
            info.frame = landscape ? photos::kLandscapeFrame : photos::kPortraitFrame;
            info.photoName = landscape ? "photo.jpg" : "photo.png";
            const std::vector<uint8_t> bytes = photos::EncodePageFile(info);
            std::ofstream out(seeds + "/" + std::to_string(count) + (landscape ? "l" : "p") +
                                  ".dta",
                              std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            if (bytes.empty() || !out)
                return false;
        }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds SEEDS_FOLDER\n");
        return 2;
    }
    const std::string options = std::string(argv[1]) + "/fuzz_options";
    try {
        WriteOptions(options + "/fresh.dta", 1);
        WriteOptions(options + "/shown.dta", 0);
        WriteOptionsHeader(options + "/cut.dta", CInitialization::kVersion, false);
        WriteOptionsHeader(options + "/version257.dta", CInitialization::kVersion + 1, true);
        const std::string settings = std::string(argv[1]) + "/fuzz_settings";
        WriteSettings(settings + "/sound.dta", kSoundMusicOff, PresentationChoice());
        WriteSettings(settings + "/window.dta", kSoundAllOn,
                      PresentationChoice{kPresentWindow, 40, 30, 1100, 860});
        FamilyChoice family;
        family.musicVolume = 1;
        family.effectsVolume = 3;
        family.fit = kFitVeryGenerous;
        family.helpWhenStuck = true;
        family.childLock = true;
        family.players = {{0, 0}, {3, 1}, {5, 2}};
        family.lastPlayer = 2;
        WriteSettings(settings + "/family.dta", kSoundMusicOff, PresentationChoice(), family);
    } catch (const char* text) {
        std::fprintf(stderr, "make_seeds: %s\n", text);
        return 1;
    }
    if (!WritePageSeeds(std::string(argv[1]) + "/fuzz_save_file")) {
        std::fprintf(stderr, "make_seeds: page 1 could not be played\n");
        return 1;
    }
    if (!WritePhotoPageSeeds(std::string(argv[1]) + "/fuzz_photo_page_file")) {
        std::fprintf(stderr, "make_seeds: photo page files could not be written\n");
        return 1;
    }
    return 0;
}
