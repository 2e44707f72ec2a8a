#include "game/win32/corner_play.h"
#include "game/commands.h"
#include "game/key_commands.h"
#include "game/player_badges.h"
#include "game/sound_effects.h"
#include "game/win32/house_rules.h"
#include "persist/mapped_file.h"
#include "persist/save_backup.h"
#include "persist/settings.h"
#include "persist/store_locations.h"
#include "platform/clock.h"
#include "platform/mouse.h"
#include "shelf/own_page.h"
#include "shelf/shelf.h"

#include <string>
#include <vector>

namespace {

bool Same(const CornerHit& a, const CornerHit& b) {
    return a.act == b.act && a.value == b.value;
}

const FamilyChoice& Family() {
    return CSettings::GetInstance()->GetFamily();
}

} // namespace

CCornerPlay::CCornerPlay(CTitleScreen* titleScreen, CHouseRules* rules, CSoundEffects* sounds)
    : titleScreen(titleScreen), rules(rules), sounds(sounds) {}

bool CCornerPlay::OnDoorMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    const uint32_t now = platform::MillisecondClock();
    switch (message) {
    case WM_LBUTTONDOWN:
        if (!door.Press(x, y, now))
            return false;
        platform::CaptureMouse(window);
        SetDoorFace(window, door.Face(now));
        return true;
    case WM_MOUSEMOVE:
        if (!door.HeldByMouse())
            return false;
        door.Move(x, y);
        if (!door.Holding()) {
            platform::ReleaseMouse();
            SetDoorFace(window, 0);
        }
        return true;
    case WM_LBUTTONUP: {
        if (!door.HeldByMouse())
            return false;
        platform::ReleaseMouse();
        if (door.Release(now))
            PostMessageA(window, UWM_OPEN_CORNER, 0, 0);
        SetDoorFace(window, 0);
        return true;
    }
    default:
        return false;
    }
}

void CCornerPlay::OnDoorKey(HWND window, bool down) {
    const uint32_t now = platform::MillisecondClock();
    if (down) {
        door.KeyDown(now);
        SetDoorFace(window, door.Face(now));
        return;
    }
    if (door.KeyUp(now))
        PostMessageA(window, UWM_OPEN_CORNER, 0, 0);
    SetDoorFace(window, 0);
}

bool CCornerPlay::TickDoor(HWND window) {
    if (!door.Holding())
        return false;
    const uint32_t now = platform::MillisecondClock();
    const bool byMouse = door.HeldByMouse();
    if (!door.Opens(now)) {
        SetDoorFace(window, door.Face(now));
        return false;
    }
    if (byMouse)
        platform::ReleaseMouse();
    SetDoorFace(window, 0);
    return true;
}

void CCornerPlay::Cancel(HWND window) {
    if (door.Holding()) {
        door.Cancel();
        SetDoorFace(window, 0);
    }
    if (controls.Held().act != CornerAct::kNothing) {
        controls.Cancel();
        ShowLook(window, platform::MillisecondClock());
    }
}

void CCornerPlay::SetDoorFace(HWND window, int32_t face) {
    if (face == doorFace)
        return;
    doorFace = face;
    titleScreen->SetDoorFace(face);
    InvalidateRect(window, nullptr, FALSE);
}

CScreen* CCornerPlay::Open(HWND window) {
    controls.Open();
    look = CornerLook{};
    look.focus = controls.Focus(Family());
    screen.Enter(window);
    return &screen;
}

bool CCornerPlay::OnMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    const uint32_t now = platform::MillisecondClock();
    bool back = false;
    switch (message) {
    case WM_LBUTTONDOWN: {
        const CornerHit hit = controls.Press(Family(), x, y, now);
        if (controls.Held().act != CornerAct::kNothing)
            platform::CaptureMouse(window);
        back = Carry(window, hit);
        break;
    }
    case WM_MOUSEMOVE:
        controls.Move(Family(), x, y);
        break;
    case WM_LBUTTONUP:
        if (controls.Held().act != CornerAct::kNothing)
            platform::ReleaseMouse();
        back = Carry(window, controls.Release(now));
        break;
    default:
        break;
    }
    if (!back)
        ShowLook(window, now);
    return back;
}

bool CCornerPlay::OnKey(HWND window, int32_t key) {
    const uint32_t now = platform::MillisecondClock();
    look.showFocus = true;
    switch (key) {
    case kCornerKeyBack:
        controls.Cancel();
        return true;
    case kCornerKeyNext:
    case kCornerKeyPrevious:
        // Not while a control is held: the hold belongs to the one focused.
        if (controls.Held().act == CornerAct::kNothing)
            controls.MoveFocus(Family(), key == kCornerKeyNext ? 1 : -1);
        break;
    case kCornerKeyPress:
        if (Carry(window, controls.PressFocused(Family(), now)))
            return true;
        break;
    default:
        break;
    }
    // Drawn anew even when the look is the same: the focus just showed.
    InvalidateRect(window, nullptr, FALSE);
    ShowLook(window, now);
    return false;
}

bool CCornerPlay::OnKeyUp(HWND window) {
    const uint32_t now = platform::MillisecondClock();
    const bool back = Carry(window, controls.Release(now));
    if (!back)
        ShowLook(window, now);
    return back;
}

void CCornerPlay::Tick(HWND window) {
    const uint32_t now = platform::MillisecondClock();
    const CornerHit done = controls.Tick(now);
    if (done.act != CornerAct::kNothing) {
        platform::ReleaseMouse();
        Carry(window, done);
    }
    ShowLook(window, now);
}

bool CCornerPlay::Carry(HWND window, const CornerHit& hit) {
    if (hit.act == CornerAct::kNothing)
        return false;
    if (hit.act == CornerAct::kBack)
        return true;
    const FamilyChoice before = Family();
    const FamilyChoice after = ApplyCornerAct(before, hit);
    if (!IsValidFamily(after))
        return false;
    if (CornerActNeedsHold(hit.act) && hit.value >= 0 &&
        hit.value < static_cast<int32_t>(before.players.size()))
        PutSavesAside(before.players[static_cast<size_t>(hit.value)].folder);
    if (after != before) {
        CSettings* settings = CSettings::GetInstance();
        settings->SetFamily(after);
        // Kept at once, the safe way: a grown-up may switch off and leave.
        settings->Save();
        rules->Apply();
        GetPlayerBadges()->SetFamily(after);
        controls.KeepFocus(after);
    }
    // The effects are heard at their new volume; a player's progress put
    // aside sounds as the book's start again does.
    if (CornerActNeedsHold(hit.act))
        sounds->Play(window, kSoundClear);
    else if (hit.act == CornerAct::kEffectsDown || hit.act == CornerAct::kEffectsUp)
        sounds->Play(window, kSoundPickup);
    InvalidateRect(window, nullptr, FALSE);
    return false;
}

void CCornerPlay::PutSavesAside(int32_t folder) {
    const CMappedFile base(true);
    std::vector<std::string> paths =
        PlayerSavePaths({base.ResolvePath(""), g_userDataDirectory}, folder);
    // The player's progress on their own pictures lies in each page's folder.
    const std::string shelf = ShelfFolder();
    if (!shelf.empty())
        for (const std::string& page : ListShelf(shelf))
            paths.push_back(shelf + "\\" + page + "\\" + OwnSaveNameOf(folder));
    MoveSavesToPrevious(paths);
}

void CCornerPlay::ShowLook(HWND window, uint32_t now) {
    CornerLook next = look;
    next.held = controls.Held();
    next.heldFace = controls.HeldFace(now);
    next.focus = controls.Focus(Family());
    if (Same(next.held, look.held) && next.heldFace == look.heldFace &&
        Same(next.focus, look.focus))
        return;
    look = next;
    InvalidateRect(window, nullptr, FALSE);
}
