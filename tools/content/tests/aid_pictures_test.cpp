// The selection rings and hole glows of the generated content: one of each
// per piece, laid round the piece's own body, never over it.
#include "aid_art.h"
#include "game/play_aids.h"
#include "game_files.h"
#include "generated_content.h"
#include "layout.h"
#include "page_view.h"
#include "piece_art.h"

#include <gtest/gtest.h>

namespace content::testing {
namespace {

// The frame's key pixels are exactly the body's and everything more than
// kAidMargin away from it; every pixel touching the body is drawn.
void ExpectRoundTheBody(const Image& frame, const Mask& body, const std::string& what) {
    SCOPED_TRACE(what);
    const int offset = AidBodyOffset();
    ASSERT_EQ(frame.Width(), body.Width() + 2 * offset);
    int touching = 0;
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) {
            const int bx = x - offset, by = y - offset;
            const bool onBody = body.At(bx, by);
            const bool nextToBody = !onBody && (body.At(bx - 1, by) || body.At(bx + 1, by) ||
                                                body.At(bx, by - 1) || body.At(bx, by + 1));
            if (onBody) {
                ASSERT_EQ(frame.At(x, y), kKey) << x << ", " << y;
            }
            if (nextToBody) {
                ASSERT_NE(frame.At(x, y), kKey) << x << ", " << y;
                ++touching;
            }
        }
    EXPECT_GT(touching, 0);
}

TEST(AidPictures, EveryPieceHasARingAndAPulsingGlowRoundItsBody) {
    const std::string& folder = GeneratedContent();
    for (int page = 1; page <= kPages; ++page)
        for (const PieceLayout& piece : PageLayout(page)) {
            const Mask body = BodyMask(page, piece);
            const Image ring = LoadPicture(folder, SelectionRingPath(piece.piece));
            ExpectRoundTheBody(ring, body, SelectionRingPath(piece.piece));
            const Image glow = LoadPicture(folder, HoleGlowPath(piece.piece));
            const int height = body.Height() + 2 * AidBodyOffset();
            ASSERT_EQ(glow.Height(), kGlowFrameCount * height);
            for (int frame = 0; frame < kGlowFrameCount; ++frame) {
                const Image cell = glow.Crop(0, frame * height, glow.Width(), height);
                ExpectRoundTheBody(cell, body, HoleGlowPath(piece.piece));
                // Each frame of the pulse differs from the one before.
                if (frame > 0) {
                    EXPECT_NE(cell, glow.Crop(0, (frame - 1) * height, glow.Width(), height));
                }
            }
        }
}

} // namespace
} // namespace content::testing
