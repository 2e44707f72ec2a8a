// The sprites of the page's pieces, found by their position within the page:
// piece k of the page carries the tags firstLoose + k, firstHole + k,
// firstPlaced + k and firstDrag + k (game/page_sprite_index.h).
#pragma once

#include <cstdint>

class CAnimDocBase;
class CSprite;

// The sprite of the kind whose first tag is firstTag for the page's piece k,
// or null; a k outside the page finds nothing.
CSprite* PageSprite(const CAnimDocBase& document, int32_t firstTag, int32_t k);
// The catalogue number (1..220) of the current page's piece k.
int32_t PieceNumber(int32_t k);
