// The sprites of the current page, kept sorted by depth: the front of the
// sequence is the top of the screen (drawn last, hit first). The list owns
// its sprites, is the owner every sprite reports its changes to, and passes
// the changed rectangles on to its dirty-rectangle sink (the view).
//
// Depths: after every Add the ordinary sprites (depth 10 and more) carry the
// distinct depths 11, 12, 13 ... from the top down, so a sprite given depth
// 10 and re-sorted lands above every other ordinary sprite. Depths 0 to 9 are
// layers above all of them and are never renumbered.
#pragma once

#include "sprites/sprite_owner.h"

#include <cstddef>
#include <cstdint>
#include <deque>

class CPageSpriteIndex;
class CSpriteList;

// The list's reaction to its sprites' changes: a new depth re-sorts the
// sprite, and every change's rectangles go to the sink.
class CSpriteListOwner : public CSpriteOwner {
public:
    explicit CSpriteListOwner(CSpriteList* list) : list(list) {}
    void SpriteChanged(CSprite* sprite, uint32_t change, const RECT* rect1,
                       const RECT* rect2) override;
    // Set once when the application links the document and the view; until
    // then the rectangles are dropped.
    void SetSink(CDirtyRectSink* newSink) { sink = newSink; }

private:
    void Pass(const RECT* r);

    CSpriteList* list;
    CDirtyRectSink* sink = nullptr;
};

class CSpriteList {
public:
    // The hit tests ask pageSprites which tags are the current page's drag
    // pictures and holes; the game uses the process-wide index.
    CSpriteList();
    explicit CSpriteList(const CPageSpriteIndex* pageSprites);
    ~CSpriteList();

    // Takes ownership, makes the list the sprite's owner and inserts it by
    // depth (renumbering as above). Adding a sprite that is already in the
    // list re-sorts it instead of listing it twice. False only for null.
    bool Add(CSprite* sprite);
    // Takes the sprite out without deleting it and clears its owner; null
    // when it is not in the list.
    CSprite* Remove(CSprite* sprite);
    // Re-sorts one sprite after its depth changed; logs when it is not here.
    void Reorder(CSprite* sprite);
    // Deletes every sprite, top first.
    void DeleteAll();

    // A walk from the bottom sprite up: First, then Next until null. There is
    // one cursor, so one walk must end before another starts.
    CSprite* First();
    CSprite* Next();

    // The topmost drag picture of the page whose pixel at (x, y) is not
    // transparent, visible or not: a hidden drag picture is the hit shape of
    // its loose piece. Null when there is none.
    CSprite* PieceAt(int32_t x, int32_t y) const;
    // The topmost hole of the page whose rectangle holds (x, y) strictly
    // inside, visible or not.
    CSprite* HoleAt(int32_t x, int32_t y) const;

    // The lowest sprite with this tag, as a walk from the bottom would find
    // it, without disturbing the walk cursor. Null when there is none.
    CSprite* FindByTag(int32_t tag) const;
    size_t Count() const { return sprites.size(); }
    // Sprite at a position from the top (0 is the front), null past the end.
    CSprite* FromTop(size_t position) const;

    CSpriteListOwner* GetOwner() { return &owner; }
    void SetDirtyRectSink(CDirtyRectSink* sink) { owner.SetSink(sink); }

    CSpriteList(const CSpriteList&) = delete;
    CSpriteList& operator=(const CSpriteList&) = delete;

private:
    void SortAndRenumber();

    std::deque<CSprite*> sprites;
    CSpriteListOwner owner{this};
    // How many sprites the walk has still to return, counted from the front.
    size_t walkRemaining = 0;
    const CPageSpriteIndex* pageSprites;
};
