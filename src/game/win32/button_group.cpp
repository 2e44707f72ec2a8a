#include "game/win32/button_group.h"
#include "sprites/anim_view.h"

CButtonGroup::CButtonGroup(int32_t count) : images(new CButtonImage[count]), count(count) {}

void CButtonGroup::LoadImages(const FramedImageInfo* infos, HWND window) {
    for (int32_t i = 0; i < count; ++i) {
        images[i].SetInfo(&infos[i]);
        images[i].LoadFromInfo(window);
    }
}

void CButtonGroup::CreateButtons(HWND parent, ButtonWindowInfo* newRecords) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    for (int32_t i = 0; i < count; ++i) {
        ButtonWindowInfo& record = newRecords[i];
        // A second ready message must not stack a second row of buttons.
        if (record.window != nullptr && IsWindow(record.window))
            continue;
        record.window = CreateWindowExA(
            0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, record.x, record.y, record.width,
            record.height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(record.controlId)),
            instance, nullptr);
    }
    records = newRecords;
}

void CButtonGroup::ShowButtons(bool shown) {
    for (int32_t i = 0; i < count; ++i) {
        if (HWND button = ButtonWindow(i))
            ShowWindow(button, shown ? SW_SHOWNA : SW_HIDE);
    }
}

HWND CButtonGroup::ButtonWindow(int32_t index) const {
    if (records == nullptr || !IsButton(index))
        return nullptr;
    return records[index].window;
}

void CButtonGroup::SetButtonState(HDC dc, int32_t state, int32_t index, const POINT* dest) {
    if (!IsButton(index))
        return;
    static const POINT kOrigin = {0, 0};
    CButtonImage& image = images[index];
    const int32_t frame = image.TakeState(state);
    image.DrawFrame(dc, frame, dest != nullptr ? dest : &kOrigin);
    FaceShown(image, frame);
}

void CButtonGroup::FaceShown(const CButtonImage&, int32_t) {}

void CTitleButtonGroup::HookButtons() {
    hook.Attach(ButtonWindow(0));
}

void CTitleButtonGroup::UnhookButtons() {
    hook.Attach(nullptr);
}

void CGameButtonGroup::HookButtons() {
    for (int32_t i = 0; i < count; ++i)
        hooks[i].Attach(ButtonWindow(i));
}

void CGameButtonGroup::UnhookButtons() {
    for (CGameButtonHook& hook : hooks)
        hook.Attach(nullptr);
}

void CGameButtonGroup::FaceShown(const CButtonImage& image, int32_t frame) {
    // SetButtonFrame itself shows only the released (0) and pressed (1) faces.
    if (view != nullptr && image.GetInfo() != nullptr)
        view->SetButtonFrame(static_cast<int32_t>(image.GetInfo()->id), frame);
}
