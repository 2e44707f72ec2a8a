// One piece sprite as a page save file keeps it: six 32-bit integers, in this
// order. The sprite engine turns them into sprites and back.
#pragma once

#include <cstdint>

class DeSerializer;
class Serializer;

struct SavedSprite {
    int32_t tag = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t depth = 0;
    int32_t visible = 0;
    int32_t mirrored = 0;

    bool operator==(const SavedSprite& other) const {
        return tag == other.tag && x == other.x && y == other.y && depth == other.depth &&
               visible == other.visible && mirrored == other.mirrored;
    }
};

void PutSavedSprite(Serializer& out, const SavedSprite& sprite);
// Throws, as the serializer does, when the file ends inside the record.
SavedSprite GetSavedSprite(DeSerializer& in);
