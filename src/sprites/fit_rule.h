// How forgiving a drop is, as the grown-up corner sets it. The normal fit
// is the view's own FitsHole, unchanged; the generous fits add a second
// chance for a drop FitsHole refused: the piece still goes into its own
// hole when the carried picture lies within about double (generous) or
// triple (very generous) the normal distance of its perfect place,
// wherever the pointer is. No other hole ever takes the piece.
#pragma once

#include "persist/family_settings.h"

#include <cstdint>

class CSprite;

class CFitRule {
public:
    // The distance (exclusive) each fit allows, each way, between the carried
    // picture's top-left and its perfect place.
    static int32_t ReachOf(FitSetting fit);

    // Called by the sound and play settings at start-up and by the corner.
    void SetFit(FitSetting setting) { fit = setting; }
    FitSetting GetFit() const { return fit; }

    // Called by the view's drop after FitsHole said no: whether the carried
    // picture carried, dropped with its top-left where it is, still goes
    // into ownHole (the dropped piece's own hole sprite, null when the page
    // lacks it). Always false with the normal fit and for a hole already
    // filled.
    bool Forgives(const CSprite* ownHole, const CSprite* carried) const;

private:
    FitSetting fit = kFitNormal;
};
