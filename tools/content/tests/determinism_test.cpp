#include "content_writer.h"
#include "generated_content.h"
#include "layout.h"
#include "picture_file.h"

#include <gtest/gtest.h>

namespace content::testing {
namespace {

void GenerateSample(const std::string& folder) {
    GeneratePages(folder, {6, 21});
    GenerateScreens(folder);
    GenerateResources(folder);
    GenerateMusic(folder);
}

TEST(Determinism, TwoRunsWriteTheSameBytes) {
    const std::string first = FreshFolder("first"), second = FreshFolder("second");
    GenerateSample(first);
    GenerateSample(second);
    const std::vector<std::string> files = FilesBelow(first);
    ASSERT_EQ(files, FilesBelow(second));
    ASSERT_GT(files.size(), 100u);
    for (const std::string& file : files)
        EXPECT_EQ(ReadFile(first + "/" + file), ReadFile(second + "/" + file)) << file;
}

TEST(Determinism, APageComesOutTheSameWhateverIsDrawnBeforeIt) {
    const std::string alone = FreshFolder("alone");
    GeneratePages(alone, {21});
    const PageRange range = PiecesOf(21);
    for (int piece = range.first; piece < range.first + range.count; ++piece)
        for (Kind kind : {Kind::kLoose, Kind::kHole, Kind::kPlaced, Kind::kDrag}) {
            const std::string name = PieceFileName(kind, piece).substr(6);
            EXPECT_EQ(ReadFile(alone + "/Data/" + name),
                      ReadFile(GeneratedContent() + "/Data/" + name))
                << name;
        }
}

} // namespace
} // namespace content::testing
