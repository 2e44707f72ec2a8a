// The game's own image class reads every picture the tool writes, pixel for
// pixel as written.
#include "game/catalogue.h"
#include "game_files.h"
#include "generated_content.h"
#include "image/dib_image.h"
#include "persist/mapped_file.h"
#include "picture_file.h"

#include <cstring>
#include <gtest/gtest.h>

namespace content::testing {
namespace {

std::vector<std::string> EveryPictureName() {
    std::vector<std::string> names(g_pieceFileNames.begin(), g_pieceFileNames.end());
    names.insert(names.end(),
                 {kBackgroundFile, kStartButtonFile, kTitleFile, kTitleTileFile, kPageLabelsFile});
    for (int button = 0; button < kButtonCount; ++button)
        names.push_back(GameButtonFile(button));
    return names;
}

TEST(EngineReading, CDIBImageReadsEveryPictureAsWritten) {
    const std::string previous = g_baseDirectory;
    g_baseDirectory = GeneratedContent();
    const std::vector<std::string> names = EveryPictureName();
    for (const std::string& name : names) {
        CDIBImage image(32, 32);
        ASSERT_TRUE(image.LoadFile(name)) << name;
        const std::vector<uint8_t> bytes = ReadFile(HostPath(GeneratedContent(), name));
        const Image decoded = *DecodePicture(bytes);
        EXPECT_EQ(image.GetWidth(), decoded.Width()) << name;
        EXPECT_EQ(image.GetHeight(), decoded.Height()) << name;
        ASSERT_EQ(image.ByteSize(), bytes.size() - 54) << name;
        EXPECT_EQ(std::memcmp(image.Pixels(), bytes.data() + 54, image.ByteSize()), 0) << name;
    }
    g_baseDirectory = previous;
}

} // namespace
} // namespace content::testing
