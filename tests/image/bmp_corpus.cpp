#include "image/bmp_corpus.h"
#include "support/temp_dir.h"

#include <fstream>
#include <sstream>

namespace {

const std::string kCorpus = VARNOLT_BMP_CORPUS;
const std::string kExpected = VARNOLT_BMP_EXPECTED;

} // namespace

std::string CorpusExpectationsPath() {
    return kExpected + "/expectations.txt";
}

std::vector<CorpusEntry> CorpusEntries() {
    std::vector<CorpusEntry> entries;
    std::ifstream in(CorpusExpectationsPath());
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        CorpusEntry entry;
        std::getline(fields, entry.kind, '\t');
        std::getline(fields, entry.path, '\t');
        fields >> entry.width >> entry.height >> entry.pixels;
        entries.push_back(entry);
    }
    return entries;
}

Bytes ConvertedCorpusFile(const CorpusEntry& entry) {
    Bytes bytes = ReadAll(kCorpus + "/" + entry.path);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        bytes[0] = 'V';
        bytes[1] = '1';
    }
    return bytes;
}

Bytes ExpectedRgb(const CorpusEntry& entry) {
    return ReadAll(kExpected + "/" + entry.pixels);
}

uint32_t ExpectedColour(const Bytes& rgb, int32_t width, int32_t x, int32_t y) {
    const uint8_t* pixel = rgb.data() + 3 * (static_cast<size_t>(y) * width + x);
    return static_cast<uint32_t>(pixel[2]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[0];
}
