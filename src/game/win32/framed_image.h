// Pictures cut into frames: the screens' pictures (title, background tile,
// page-number labels) and the buttons' faces, each read from one image file
// into a DIB section and drawn one frame at a time. Windows only.
#pragma once

#include "image/win32/dib_section.h"

#include <cstdint>
#include <string>

// What a framed picture is read from and how it is cut.
struct FramedImageInfo {
    uint32_t frameCount;
    const SourceRect* frames; // frameCount entries
    std::string fileName;     // a game path, below the base directory
    uint32_t id;              // the command of the button showing it; 0 for none
};

class CFramedImage : public CDIBSection {
public:
    CFramedImage() = default;
    ~CFramedImage() override = default;

    // Copies frame `frame` of the info's table to dest. A frame outside the
    // table, or no info, draws nothing and gives false.
    virtual bool DrawFrame(HDC dc, int32_t frame, const POINT* dest);
    virtual bool DrawPart(HDC dc, const POINT* dest, const SourceRect* src) {
        return Draw(dc, dest, src);
    }

    // Reads the info's file; a missing or bad file is logged by ReadSection
    // and leaves the picture absent (its frames then draw nothing).
    void LoadFromInfo(HWND window);

    void SetInfo(const FramedImageInfo* newInfo) { info = newInfo; }
    const FramedImageInfo* GetInfo() const { return info; }

protected:
    const FramedImageInfo* info = nullptr;
};

// One picture button's faces and where its state machine stands.
class CButtonImage : public CFramedImage {
public:
    ~CButtonImage() override = default;

    // Moves the state machine on for a request and gives the frame to show.
    int32_t TakeState(int32_t requested);

private:
    int32_t state = 5; // kButtonNew
    int32_t frame = 0;
};
