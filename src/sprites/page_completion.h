// The page in memory as the player sees it: how many of its pieces are in,
// counted from the records it would be stored as (so by the same rule as a
// save file, game/page_progress.h), and where its picture lies.
#pragma once

#include "game/page_progress.h"
#include "platform/win_types.h"

class CAnimDocBase;

PageProgress PageProgressOf(CAnimDocBase& document);
// The rectangle the page's placed pictures cover together: its picture.
// Empty when the page has none.
RECT PictureAreaOf(const CAnimDocBase& document);
