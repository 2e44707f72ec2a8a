// Pages heal: a save file written while one of a piece's pictures could not
// be read lacks that piece's sprite, and clearing could never bring it back.
// Once the picture is there again, the missing sprite is laid out from the
// catalogue, so that every page can still be completed.
#pragma once

#include <cstdint>

class CAnimDocBase;
class CPageSource;
struct SpriteRecord;

class CPageHealing {
public:
    // Called by the document after it restored page (1..30) from its save
    // file: every catalogue sprite of the page that the file lacks, laid out
    // as the catalogue has it, except that a placed piece's loose picture
    // and hole stay hidden. Any other page number adds nothing.
    void AddMissingPieces(CAnimDocBase& document, int32_t page) const;
    // The same for a page of the player's own, laid out as source has it.
    void AddMissingPieces(CAnimDocBase& document, const CPageSource& source) const;

private:
    // Adds record's sprite through add unless the page has it already.
    template <typename Add>
    void Heal(CAnimDocBase& document, int32_t kind, const SpriteRecord& record, Add add) const;
};
