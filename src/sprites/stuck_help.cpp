#include "sprites/stuck_help.h"

bool CStuckHelp::Dropped(int32_t k, bool fits) {
    if (k != piece) {
        piece = k;
        misses = 0;
    }
    if (fits) {
        misses = 0;
        return false;
    }
    if (++misses < kMissesBeforeHelp)
        return false;
    misses = 0;
    return enabled;
}

void CStuckHelp::Forget() {
    piece = -1;
    misses = 0;
}
