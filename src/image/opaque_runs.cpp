#include "image/opaque_runs.h"
#include "image/keyed_row.h"

#include <cstddef>

namespace {

// Below this average length, handling runs one by one costs more than
// comparing every pixel sixteen at a time.
constexpr int32_t kShortestWorthwhileRun = 12;

} // namespace

COpaqueRuns::COpaqueRuns(const uint8_t* pixels, int32_t width, int32_t height, int32_t stride,
                         uint32_t key)
    : key(key), rowFirst(static_cast<size_t>(height)), rowEnd(static_cast<size_t>(height)) {
    const size_t maxRuns = static_cast<size_t>(width / kShortestWorthwhileRun + 1);
    for (int32_t row = 0; row < height; ++row) {
        const uint8_t* pixel = pixels + static_cast<ptrdiff_t>(row) * stride;
        const size_t first = runs.size();
        bool scattered = false;
        for (int32_t x = 0; x < width && !scattered;) {
            while (x < width && ColourAt(pixel + 3 * x) == key)
                ++x;
            const int32_t start = x;
            while (x < width && ColourAt(pixel + 3 * x) != key)
                ++x;
            if (x > start)
                runs.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(x - start)});
            scattered = runs.size() - first > maxRuns;
        }
        if (scattered) {
            runs.resize(first);
            rowFirst[row] = kScattered;
            rowEnd[row] = kScattered;
        } else {
            rowFirst[row] = static_cast<uint32_t>(first);
            rowEnd[row] = static_cast<uint32_t>(runs.size());
        }
    }
}

const OpaqueRun* COpaqueRuns::RowEnd(int32_t storedRow) const {
    return runs.data() + rowEnd[storedRow];
}
