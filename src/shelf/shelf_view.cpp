#include "shelf/shelf_view.h"
#include "game/player_badges.h"
#include "game/shelf_book.h"
#include "game/shelf_layout.h"
#include "image/dib_image.h"
#include "sprites/rect_math.h"

#include <algorithm>

static_assert(kShelfPerSheet == 15, "one remove face per slot");

CShelfView::CShelfView(const CShelfBook* shelf) : CSheetView("CShelfView"), shelf(shelf) {}

CShelfView::~CShelfView() = default;

void CShelfView::LoadPictures() {
    ReadPicturesOnce(
        {&background, &marks, &outlines, &removeControl, &turnTab, &addPicture, &arrows, &badges},
        {kShelfBackgroundPath, kShelfMarksPath, kShelfOutlinesPath, kRemoveControlPath,
         kTurnTabPath, kAddPicturePath, kSheetArrowsPath, kBadgesPath});
}

bool CShelfView::Show(HWND newWindow, const std::string& shelfFolder) {
    folder = shelfFolder;
    removeFrames.fill(kRemoveRestFrame);
    addPressed = false;
    return ShowOn(newWindow);
}

void CShelfView::Tick(uint32_t now) {
    UpdateRemoveFrames(now);
    Flush(window);
}

void CShelfView::UpdateRemoveFrames(uint32_t now) {
    for (int32_t slot = 0; slot < kShelfPerSheet; ++slot) {
        const int32_t frame = shelf->RemoveFrame(slot, now);
        if (frame == removeFrames[static_cast<size_t>(slot)])
            continue;
        removeFrames[static_cast<size_t>(slot)] = frame;
        const RECT control = ShelfRemoveRect(slot);
        AddDirtyRect(&control);
    }
}

void CShelfView::Render(const RECT* r) {
    RECT c;
    if (!ComposeBackground(background.get(), r, &c))
        return;
    for (int32_t slot = 0; slot < kShelfPerSheet; ++slot) {
        const ShelfEntry* entry = shelf->InSlot(slot);
        if (entry != nullptr && !RectIsEmpty(RectIntersection(ShelfCellRect(slot), c)))
            DrawSlot(slot, *entry, c);
    }
    const RECT tab = BoxRect(kTurnTabBox);
    CopyPart(turnTab.get(), 0, kTurnToBookFrame * kTurnTabBox.height, tab, c, kTransparentColour);
    CopyPart(addPicture.get(), 0, (addPressed ? 1 : 0) * kAddPictureBox.height,
             BoxRect(kAddPictureBox), c, kTransparentColour);
    if (shelf->SheetCount() > 1) {
        CopyPart(arrows.get(), 0, 0, BoxRect(kPreviousSheetBox), c, kTransparentColour);
        CopyPart(arrows.get(), 0, kNextSheetBox.height, BoxRect(kNextSheetBox), c,
                 kTransparentColour);
    }
    DrawBadge(BoxRect(kShelfBadgeBox), c);
}

void CShelfView::DrawSlot(int32_t slot, const ShelfEntry& entry, const RECT& clip) {
    const CDIBImage* thumbnail = thumbnails.Get(folder, entry.name);
    if (thumbnail != nullptr)
        CopyPart(thumbnail, 0, 0,
                 ShelfThumbRect(slot, thumbnail->GetWidth(), thumbnail->GetHeight()), clip,
                 kNoColourKey);
    DrawOutlines(entry.name == shelf->Current(), slot == shelf->HighlightSlot(),
                 kShelfOutlineHeight, ShelfOutlineRect(slot), clip);
    const int32_t column = ShelfMarkColumn(entry.progress.total);
    if (column >= 0) {
        const int32_t placed = std::clamp(entry.progress.placed, 0, entry.progress.total);
        CopyPart(marks.get(), column * kShelfMarkWidth, placed * kShelfMarkHeight,
                 ShelfMarkRect(slot), clip, kTransparentColour);
    }
    CopyPart(removeControl.get(), 0, removeFrames[static_cast<size_t>(slot)] * kRemoveHeight,
             ShelfRemoveRect(slot), clip, kTransparentColour);
}

void CShelfView::SlotChanged(int32_t slot) {
    if (slot < 0 || slot >= kShelfPerSheet)
        return;
    AddDirty(ShelfCellRect(slot));
}

void CShelfView::SheetChanged() {
    AddDirty({kShelfGridLeft, kShelfGridTop, kShelfGridLeft + kShelfColumns * kShelfCellWidth,
              kNextSheetBox.y + kNextSheetBox.height});
}

void CShelfView::SetAddPressed(bool pressed) {
    if (pressed == addPressed)
        return;
    addPressed = pressed;
    AddDirty(BoxRect(kAddPictureBox));
}
