#include "game/win32/framed_image.h"
#include "game/button_state.h"
#include "persist/mapped_file.h"

bool CFramedImage::DrawFrame(HDC dc, int32_t frame, const POINT* dest) {
    // The callers' indices come from fixed tables and the page cursor; the
    // check keeps a stray one from reading past the frame table.
    if (info == nullptr || frame < 0 || static_cast<uint32_t>(frame) >= info->frameCount)
        return false;
    const SourceRect part = info->frames[frame];
    return DrawPart(dc, dest, &part);
}

void CFramedImage::LoadFromInfo(HWND window) {
    if (info == nullptr)
        return;
    CMappedFile file(true);
    // A file that cannot be opened reads as empty, which ReadSection reports.
    file.OpenRead(info->fileName);
    ReadSection(file, window);
    file.Close();
}

int32_t CButtonImage::TakeState(int32_t requested) {
    state = NextButtonState(state, requested);
    if (info != nullptr)
        frame = FrameForState(info->frameCount, state, frame);
    return frame;
}
