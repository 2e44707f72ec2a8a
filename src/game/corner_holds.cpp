#include "game/corner_holds.h"

namespace {

bool Inside(const ScreenBox& box, int32_t x, int32_t y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

bool Same(const CornerHit& a, const CornerHit& b) {
    return a.act == b.act && a.value == b.value;
}

} // namespace

int32_t HoldFace(const CPressHold& hold, uint32_t now) {
    if (!hold.Holding())
        return 0;
    return 1 + hold.Progress(now, kCornerHoldSteps);
}

bool CCornerDoor::Press(int32_t x, int32_t y, uint32_t now) {
    if (!Inside(kCornerDoor, x, y))
        return false;
    if (!hold.Holding())
        byMouse = true;
    hold.Press(now);
    return true;
}

void CCornerDoor::Move(int32_t x, int32_t y) {
    if (HeldByMouse() && !Inside(kCornerDoor, x, y))
        hold.Cancel();
}

bool CCornerDoor::Release(uint32_t now) {
    if (!HeldByMouse())
        return false;
    if (Opens(now))
        return true;
    hold.Release(now);
    return false;
}

void CCornerDoor::KeyDown(uint32_t now) {
    if (!hold.Holding())
        byMouse = false;
    hold.Press(now);
}

bool CCornerDoor::KeyUp(uint32_t now) {
    if (!hold.Holding() || byMouse)
        return false;
    if (Opens(now))
        return true;
    hold.Release(now);
    return false;
}

void CCornerDoor::Cancel() {
    hold.Cancel();
}

bool CCornerDoor::Opens(uint32_t now) {
    if (!hold.Completed(now))
        return false;
    // Opened once; the key or button still down must not open it again.
    hold.Cancel();
    return true;
}

void CCornerControls::Open() {
    hold.Cancel();
    held = {};
    focus = 0;
}

CornerHit CCornerControls::Begin(const CornerHit& hit, uint32_t now) {
    if (!CornerActNeedsHold(hit.act))
        return hit;
    held = hit;
    hold.Press(now);
    return {};
}

CornerHit CCornerControls::Press(const FamilyChoice& family, int32_t x, int32_t y, uint32_t now) {
    if (hold.Holding())
        return {};
    return Begin(CornerHitAt(family, x, y), now);
}

void CCornerControls::Move(const FamilyChoice& family, int32_t x, int32_t y) {
    if (hold.Holding() && !Same(CornerHitAt(family, x, y), held))
        Cancel();
}

CornerHit CCornerControls::Release(uint32_t now) {
    const CornerHit done = Tick(now);
    Cancel();
    return done;
}

void CCornerControls::Cancel() {
    hold.Cancel();
    held = {};
}

CornerHit CCornerControls::Tick(uint32_t now) {
    if (!hold.Completed(now))
        return {};
    const CornerHit done = held;
    Cancel();
    return done;
}

CornerHit CCornerControls::Held() const {
    return hold.Holding() ? held : CornerHit{};
}

void CCornerControls::MoveFocus(const FamilyChoice& family, int32_t step) {
    const auto count = static_cast<int32_t>(CornerControls(family).size());
    focus = ((focus + step) % count + count) % count;
}

CornerHit CCornerControls::PressFocused(const FamilyChoice& family, uint32_t now) {
    if (hold.Holding())
        return {};
    return Begin(Focus(family), now);
}

CornerHit CCornerControls::Focus(const FamilyChoice& family) const {
    const std::vector<CornerHit> controls = CornerControls(family);
    return controls[static_cast<size_t>(focus) % controls.size()];
}

void CCornerControls::KeepFocus(const FamilyChoice& family) {
    const auto count = static_cast<int32_t>(CornerControls(family).size());
    if (focus >= count)
        focus = count - 1;
}
