// Arbitrary bytes as a photo page's page file. Besides the sanitizers it
// checks the outcome: what the reader accepts is a page the cutter can lay
// out, and writes back to the very same bytes.
#include "photos/page_cut.h"
#include "photos/page_file.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    photos::PhotoPageInfo info;
    if (!photos::DecodePageFile(bytes.data(), size, &info))
        return 0;
    if (photos::EncodePageFile(info) != bytes)
        std::abort();
    if (photos::LayOutPhotoPage(info.frame, info.pieceCount, info.cutSeed).pieces.size() !=
        static_cast<size_t>(info.pieceCount))
        std::abort();
    return 0;
}
