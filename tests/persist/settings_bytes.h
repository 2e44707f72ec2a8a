// A settings file's bytes as the game stores them: the text "VARNSETT" with
// its length in front, then the version and the values, each a 32-bit
// little-endian integer.
#pragma once

#include "support/temp_dir.h"

#include <algorithm>
#include <string>
#include <vector>

inline Bytes StoredSettings(int32_t version, const std::vector<int32_t>& values) {
    const std::string text = "VARNSETT";
    Bytes bytes(4 + text.size());
    bytes[0] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + 4);
    std::vector<int32_t> fields = {version};
    fields.insert(fields.end(), values.begin(), values.end());
    for (int32_t field : fields)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(field) >> (8 * i)));
    return bytes;
}
