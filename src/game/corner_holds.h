// How the grown-up corner is reached and worked, on the game's clock and
// without drawing anything. The door on the title screen (or the G key)
// opens the corner only once held for three seconds: a click or a short
// press does nothing, so a child who finds it does not get in. In the
// corner most controls act as they are pressed; starting a player again and
// removing one act only once held for two seconds. The keys move a focus
// among the controls, and Enter or Space work the focused one as a press of
// the mouse would. Times are milliseconds of the game's clock.
#pragma once

#include "game/grown_up_corner.h"
#include "game/press_hold.h"

#include <cstdint>
#include <vector>

// A held control's faces: at rest, then pressed with the hold 0/10 ... 10/10
// done.
constexpr int32_t kCornerHoldSteps = 10;
constexpr int32_t kCornerHoldFaces = 2 + kCornerHoldSteps;
// Starting a player again or removing one.
constexpr uint32_t kCornerPlayerHoldMs = 2000;

// The corner's pictures, all drawn by the content tool.
constexpr const char* kCornerBackgroundPath = "\\data\\m0071.dat"; // 1024 x 768, the labels
constexpr const char* kCornerStepsPath = "\\data\\m0072.dat";      // kVolumeFull + 1 faces, stacked
// Each choice's face unchosen above chosen: the three fits, help, the lock.
constexpr const char* kCornerChoicesPath = "\\data\\m0073.dat";
constexpr int32_t kCornerChoiceKinds = kFitSettingCount + 2;
// kCornerHoldFaces of start again, then as many of remove.
constexpr const char* kCornerHoldButtonsPath = "\\data\\m0074.dat";
constexpr const char* kCornerDoorPath = "\\data\\m0075.dat"; // kCornerHoldFaces, stacked

// The picture face of a hold at now: 0 when nothing is held, else 1 + how
// far the hold has come (0 .. kCornerHoldSteps).
int32_t HoldFace(const CPressHold& hold, uint32_t now);

class CCornerDoor {
public:
    // The mouse went down at (x, y): true when it hit the door, whose hold
    // then begins.
    bool Press(int32_t x, int32_t y, uint32_t now);
    // The pointer moved with the button down: off the door lets go.
    void Move(int32_t x, int32_t y);
    // The button came up: true when it was held long enough (a slow tick
    // must not turn a hold into a tap), and the corner opens.
    bool Release(uint32_t now);
    // G went down (its repeats keep the first press's time), and came up
    // (true as for Release).
    void KeyDown(uint32_t now);
    bool KeyUp(uint32_t now);
    // The window lost the keyboard or the mouse.
    void Cancel();
    // Called on every tick: true exactly once, when the hold has lasted
    // three seconds and the corner opens.
    bool Opens(uint32_t now);
    bool Holding() const { return hold.Holding(); }
    // Whether the mouse (not G) holds the door, so that its capture ends.
    bool HeldByMouse() const { return hold.Holding() && byMouse; }
    int32_t Face(uint32_t now) const { return HoldFace(hold, now); }

private:
    CPressHold hold{kCornerHoldMs};
    bool byMouse = false;
};

class CCornerControls {
public:
    // The corner opens: the focus on the first control, nothing held.
    void Open();

    // The mouse went down at (x, y) over family's corner: the control to
    // carry out now, or kNothing (a miss, or a control that must first be
    // held, whose hold then begins).
    CornerHit Press(const FamilyChoice& family, int32_t x, int32_t y, uint32_t now);
    // The pointer moved with the button down: off the held control lets go.
    void Move(const FamilyChoice& family, int32_t x, int32_t y);
    // The button, Enter or Space came up: a hold not yet done is let go; a
    // hold that is done but not yet ticked is the control to carry out.
    CornerHit Release(uint32_t now);
    void Cancel();
    // Called on every tick: the held control once its two seconds are up
    // (exactly once), else kNothing.
    CornerHit Tick(uint32_t now);
    // The control being held (kNothing when none) and its face.
    CornerHit Held() const;
    int32_t HeldFace(uint32_t now) const { return HoldFace(hold, now); }

    // The keys: the focus moves step controls on, round the corner's
    // controls in reading order; Enter or Space press the focused control.
    void MoveFocus(const FamilyChoice& family, int32_t step);
    CornerHit PressFocused(const FamilyChoice& family, uint32_t now);
    CornerHit Focus(const FamilyChoice& family) const;
    // After the household changed (a player removed): the focus stays on
    // a control that is there.
    void KeepFocus(const FamilyChoice& family);

private:
    CornerHit Begin(const CornerHit& hit, uint32_t now);

    CPressHold hold{kCornerPlayerHoldMs};
    CornerHit held;
    int32_t focus = 0;
};
