// The game's 1024 x 768 picture on client areas of every size: where it lies,
// which factor or filter draws it, and that a press anywhere hits the pixel
// the player sees there, never anything from the bands.
#include "platform/picture_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int32_t kWidth = 1024;
constexpr int32_t kHeight = 768;

PictureFit Fit(int32_t clientWidth, int32_t clientHeight) {
    return FitPicture(clientWidth, clientHeight, kWidth, kHeight);
}

bool Inside(const POINT& p) {
    return p.x >= 0 && p.x < kWidth && p.y >= 0 && p.y < kHeight;
}

bool Contains(const RECT& r, int32_t x, int32_t y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

struct Client {
    int32_t width, height;
};

const Client kClients[] = {{1024, 768},  {1366, 768}, {1920, 1080}, {3840, 2160}, {800, 600},
                           {2048, 1536}, {1, 1},      {1023, 900},  {1300, 700},  {640, 1024}};

} // namespace

TEST(PictureFit, TakesAWholeFactorWhereOneFitsAndTheSmoothFilterElsewhere) {
    const struct {
        Client client;
        RECT area;
        int32_t factor;
    } cases[] = {
        {{1024, 768}, {0, 0, 1024, 768}, 1},       // the designed mode: 1:1
        {{1366, 768}, {171, 0, 1195, 768}, 1},     // as tall as the picture: 1:1, bands beside
        {{2048, 1536}, {0, 0, 2048, 1536}, 2},     // exactly twice
        {{3840, 2160}, {896, 312, 2944, 1848}, 2}, // 2x fits, 3x does not: sharp 2x
        {{1920, 1080}, {240, 0, 1680, 1080}, 0},   // 1.40625x: smooth, bands left and right
        {{2047, 1536}, {0, 0, 2047, 1535}, 0},     // one pixel short of 2x: smooth
        {{800, 600}, {0, 0, 800, 600}, 0},         // smaller than the picture: smooth
        {{1300, 700}, {183, 0, 1116, 700}, 0},
        {{1, 1}, {0, 0, 1, 1}, 0}, // a window squeezed to nothing
        {{0, 0}, {0, 0, 1, 1}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.client.width) + "x" + std::to_string(c.client.height));
        const PictureFit fit = Fit(c.client.width, c.client.height);
        EXPECT_EQ(fit.area.left, c.area.left);
        EXPECT_EQ(fit.area.top, c.area.top);
        EXPECT_EQ(fit.area.right, c.area.right);
        EXPECT_EQ(fit.area.bottom, c.area.bottom);
        EXPECT_EQ(fit.factor, c.factor);
        EXPECT_EQ(fit.IsSmooth(), c.factor == 0);
    }
    EXPECT_TRUE(Fit(1024, 768).IsIdentity());
    EXPECT_FALSE(Fit(1366, 768).IsIdentity());
    EXPECT_FALSE(Fit(2048, 1536).IsIdentity());
}

TEST(PictureFit, KeepsTheAspectAndFillsTheLimitingSide) {
    for (const Client& c : kClients) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const PictureFit fit = Fit(c.width, c.height);
        EXPECT_LE(fit.area.right, std::max(c.width, 1));
        EXPECT_LE(fit.area.bottom, std::max(c.height, 1));
        EXPECT_GE(fit.area.left, 0);
        EXPECT_GE(fit.area.top, 0);
        // Centred: the bands on either side differ by one pixel at most.
        EXPECT_LE(std::abs((c.width - fit.area.right) - fit.area.left), 1);
        EXPECT_LE(std::abs((c.height - fit.area.bottom) - fit.area.top), 1);
        if (fit.IsSmooth() && c.width > 1) {
            EXPECT_TRUE(fit.AreaWidth() == c.width || fit.AreaHeight() == c.height);
            // Rounded down on the other side only: off the aspect by under a pixel.
            EXPECT_LE(
                std::abs(int64_t{fit.AreaWidth()} * kHeight - int64_t{fit.AreaHeight()} * kWidth),
                kWidth);
        }
    }
}

TEST(PictureFit, EveryClientPixelMapsToThePictureOrToNothing) {
    for (const Client& c : kClients) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const PictureFit fit = Fit(c.width, c.height);
        // Along a row through the middle and a column through the middle:
        // inside the area the picture, in the bands outside of it, and the
        // picture's columns in order without a gap when enlarging.
        const int32_t midY = (fit.area.top + fit.area.bottom) / 2;
        const int32_t midX = (fit.area.left + fit.area.right) / 2;
        int32_t previous = -1;
        for (int32_t x = -3; x < c.width + 3; ++x) {
            const POINT p = ClientToPicture(fit, x, midY);
            EXPECT_EQ(Inside(p), Contains(fit.area, x, midY)) << "x " << x;
            if (!Inside(p))
                continue;
            EXPECT_GE(p.x, previous) << "x " << x;
            if (fit.AreaWidth() >= kWidth) {
                EXPECT_LE(p.x, previous + 1) << "x " << x;
            }
            previous = p.x;
        }
        if (fit.AreaWidth() >= kWidth) {
            EXPECT_EQ(previous, kWidth - 1);
        }
        for (int32_t y = -3; y < c.height + 3; ++y) {
            const POINT p = ClientToPicture(fit, midX, y);
            EXPECT_EQ(Inside(p), Contains(fit.area, midX, y)) << "y " << y;
        }
    }
}

TEST(PictureFit, APressInTheBandsHitsNothing) {
    const PictureFit fit = Fit(1920, 1080); // bands of 240 left and right
    RECT bands[4];
    LetterboxBands(fit, 1920, 1080, bands);
    const POINT corners[] = {{0, 0}, {239, 1079}, {120, 540}, {1680, 0}, {1919, 1079}};
    for (const POINT& at : corners) {
        EXPECT_TRUE(Contains(bands[0], at.x, at.y) || Contains(bands[1], at.x, at.y));
        EXPECT_FALSE(Inside(ClientToPicture(fit, at.x, at.y))) << at.x << "," << at.y;
    }
    EXPECT_EQ(ClientToPicture(fit, 239, 500).x, -1);
    EXPECT_EQ(ClientToPicture(fit, 240, 500).x, 0);
    EXPECT_EQ(ClientToPicture(fit, 1679, 500).x, kWidth - 1);
    EXPECT_EQ(ClientToPicture(fit, 1680, 500).x, kWidth);

    const PictureFit tall = Fit(1024, 1000); // 1:1 fits across, bands above and below
    EXPECT_EQ(tall.factor, 1);
    EXPECT_EQ(tall.area.top, 116);
    EXPECT_LT(ClientToPicture(tall, 500, 115).y, 0);
    EXPECT_EQ(ClientToPicture(tall, 500, 116).y, 0);
    EXPECT_EQ(ClientToPicture(tall, 500, 116 + 767).y, 767);
    EXPECT_EQ(ClientToPicture(tall, 500, 116 + 768).y, kHeight);
}

TEST(PictureFit, WholeFactorsMapEachPictureAndClientPixelBothWays) {
    for (const Client c : {Client{1024, 768}, Client{2048, 1536}, Client{3840, 2160}}) {
        const PictureFit fit = Fit(c.width, c.height);
        for (int32_t x = 0; x < kWidth; x += 37) {
            for (int32_t y = 0; y < kHeight; y += 41) {
                const RECT shown = PictureToClient(fit, RECT{x, y, x + 1, y + 1});
                EXPECT_EQ(shown.right - shown.left, fit.factor);
                EXPECT_EQ(shown.bottom - shown.top, fit.factor);
                for (int32_t cx = shown.left; cx < shown.right; ++cx) {
                    const POINT back = ClientToPicture(fit, cx, shown.top);
                    EXPECT_EQ(back.x, x);
                    EXPECT_EQ(back.y, y);
                }
            }
        }
    }
}

TEST(PictureFit, AChangedRectangleCoversEveryClientPixelThatShowsIt) {
    const RECT changes[] = {{0, 0, 1024, 768},      {100, 200, 101, 201}, {500, 300, 640, 420},
                            {1000, 740, 1024, 768}, {0, 0, 1, 1},         {-20, -20, 30, 30}};
    for (const Client& c : kClients) {
        const PictureFit fit = Fit(c.width, c.height);
        for (const RECT& r : changes) {
            SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " +
                         std::to_string(r.left) + "," + std::to_string(r.top));
            const RECT out = PictureToClient(fit, r);
            // Never outside the picture's area.
            if (out.right > out.left) {
                EXPECT_GE(out.left, fit.area.left);
                EXPECT_LE(out.right, fit.area.right);
                EXPECT_GE(out.top, fit.area.top);
                EXPECT_LE(out.bottom, fit.area.bottom);
            }
            // Every client pixel whose picture pixel (or, smoothed, a
            // neighbour it blends) changed lies inside.
            const int32_t reach = fit.IsSmooth() ? 1 : 0;
            for (int32_t y = fit.area.top; y < fit.area.bottom; y += 7) {
                for (int32_t x = fit.area.left; x < fit.area.right; x += 5) {
                    const POINT p = ClientToPicture(fit, x, y);
                    const bool changed = p.x + reach >= r.left && p.x - reach < r.right &&
                                         p.y + reach >= r.top && p.y - reach < r.bottom;
                    if (changed) {
                        EXPECT_TRUE(Contains(out, x, y)) << x << "," << y;
                    } else if (!fit.IsSmooth()) {
                        EXPECT_FALSE(Contains(out, x, y)) << x << "," << y;
                    }
                }
            }
        }
    }
    EXPECT_EQ(PictureToClient(Fit(1920, 1080), RECT{5, 5, 5, 9}).right, 0);
}

TEST(PictureFit, TheBandsAndThePictureTileTheClientArea) {
    for (const Client& c : kClients) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const int32_t w = std::max(c.width, 1);
        const int32_t h = std::max(c.height, 1);
        const PictureFit fit = Fit(c.width, c.height);
        RECT bands[4];
        LetterboxBands(fit, w, h, bands);
        for (int32_t y = 0; y < h; y += std::max(1, h / 97)) {
            for (int32_t x = 0; x < w; x += std::max(1, w / 89)) {
                int covered = Contains(fit.area, x, y) ? 1 : 0;
                for (const RECT& band : bands)
                    covered += Contains(band, x, y) ? 1 : 0;
                EXPECT_EQ(covered, 1) << x << "," << y;
            }
        }
    }
}
