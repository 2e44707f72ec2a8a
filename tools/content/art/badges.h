// The players' badges: a friendly animal face for each of the six players
// and an "add a player" badge, each on a card with its plain face beside
// its highlighted one (game/player_badges.h).
#pragma once

#include "image.h"

namespace content {

Image DrawBadges();

} // namespace content
