// What the shelf's tests share: photo files in the headless platform's test
// format, and a game folder with a per-user folder and an empty shelf that
// the tests add their photos to.
#pragma once

#include "photos/raster.h"
#include "support/play_page_test.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes picture as a binary PPM at path.
void WritePpm(const std::string& path, const photos::Image& picture);
// Writes a PPM header claiming width x height with only a few pixel bytes.
void WriteClaimedPpm(const std::string& path, int width, int height);

class ShelfFixture : public PlayPageTest {
protected:
    // The game's pages given; the landscape frame's background is page 1's.
    explicit ShelfFixture(const std::vector<int32_t>& pages);
    ~ShelfFixture() override;

    // picture, written as a photo and added with count pieces: the name of
    // its page's folder on the shelf.
    std::string AddPhoto(const photos::Image& picture, int32_t count);
    // The file of that name in the page's folder, as the host names it.
    std::string PageFile(const std::string& page, const std::string& file) const;

    std::string shelf;
};
