// A screen's row of picture buttons: owner-drawn child windows of the main
// window, each with its two faces read from one image file. The title group
// has the start button, the game group the five buttons along the bottom.
// Windows only.
#pragma once

#include "game/screen_layout.h"
#include "game/win32/button_hooks.h"
#include "game/win32/framed_image.h"

#include <cstdint>
#include <memory>

class CAnimView;

// One button window: where it goes and, once made, its handle.
struct ButtonWindowInfo {
    HWND window;
    uint32_t controlId;
    int32_t x, y, width, height; // client coordinates of the main window
};

// The not yet created button window of command controlId at place.
inline ButtonWindowInfo ButtonWindowAt(uint32_t controlId, const ScreenBox& place) {
    return {nullptr, controlId, place.x, place.y, place.width, place.height};
}

class CButtonGroup {
public:
    explicit CButtonGroup(int32_t count);
    virtual ~CButtonGroup() = default;
    virtual void HookButtons() = 0;
    virtual void UnhookButtons() = 0;

    // Points button i's picture at infos[i] and reads it.
    void LoadImages(const FramedImageInfo* infos, HWND window);
    // Makes one owner-drawn button window per record (a record whose window
    // still exists keeps it) and keeps the records.
    void CreateButtons(HWND parent, ButtonWindowInfo* records);
    // Shows or hides every button window made so far.
    void ShowButtons(bool shown);
    // Asks button index for a state and draws the face it then shows at
    // dest, (0, 0) when null: the owner-draw of the button's own window.
    void SetButtonState(HDC dc, int32_t state, int32_t index, const POINT* dest);

    int32_t Count() const { return count; }
    const CButtonImage& Image(int32_t index) const { return images[index]; }
    // Button index's window, null before CreateButtons or outside the group.
    HWND ButtonWindow(int32_t index) const;

    CButtonGroup(const CButtonGroup&) = delete;
    CButtonGroup& operator=(const CButtonGroup&) = delete;

protected:
    // Called with every face a button is drawn with.
    virtual void FaceShown(const CButtonImage& image, int32_t frame);
    bool IsButton(int32_t index) const { return index >= 0 && index < count; }

    std::unique_ptr<CButtonImage[]> images;
    int32_t count;
    ButtonWindowInfo* records = nullptr;
};

class CTitleButtonGroup : public CButtonGroup {
public:
    CTitleButtonGroup() : CButtonGroup(1) {}
    void HookButtons() override;
    void UnhookButtons() override;

private:
    CTitleButtonHook hook;
};

// The game's buttons also stand on the page as sprites (the view paints the
// page over them), so every face drawn is passed on to the view's sprite of
// the same command.
class CGameButtonGroup : public CButtonGroup {
public:
    explicit CGameButtonGroup(CAnimView* view) : CButtonGroup(kButtonCount), view(view) {}
    void HookButtons() override;
    void UnhookButtons() override;

protected:
    void FaceShown(const CButtonImage& image, int32_t frame) override;

private:
    CAnimView* view;
    CGameButtonHook hooks[kButtonCount];
};
