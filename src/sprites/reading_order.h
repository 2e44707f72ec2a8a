// The order in which the keyboard visits a page's loose pieces and open
// holes: as a page is read, by the top edge of the picture, then by its left
// edge. Equal corners go by piece, so the order is always the same.
#pragma once

#include <cstdint>
#include <vector>

class CAnimDocBase;
class CSprite;

struct ReadingPlace {
    int32_t piece; // position within the page
    int32_t top;
    int32_t left;
};

bool ReadsBefore(const ReadingPlace& a, const ReadingPlace& b);

// Where a piece's picture of the given kind lies; piece -1 for none.
ReadingPlace PlaceOf(const CSprite* sprite, int32_t piece);

// The pieces whose loose picture is shown, by their loose pictures.
std::vector<ReadingPlace> LoosePiecesInOrder(const CAnimDocBase& document);
// The holes whose piece is not placed (the hole picture is shown), by the
// hole pictures.
std::vector<ReadingPlace> OpenHolesInOrder(const CAnimDocBase& document);

// The piece that comes after `from` (step 1) or before it (step -1) in
// order, wrapping round. `from` need not be in the order itself: the step
// starts from where it would stand. A from with piece -1 gives the first
// (or the last). -1 when the order is empty.
int32_t StepThrough(const std::vector<ReadingPlace>& order, const ReadingPlace& from, int32_t step);
