#include "game/win32/title_players.h"
#include "game/commands.h"
#include "game/player_badges.h"
#include "persist/player_saves.h"
#include "persist/settings.h"

void CTitlePlayers::Enter() {
    GetPlayerBadges()->SetFamily(CSettings::GetInstance()->GetFamily());
}

void CTitlePlayers::OnArrow(HWND window, int32_t step) {
    GetPlayerBadges()->Move(step);
    InvalidateRect(window, nullptr, FALSE);
}

bool CTitlePlayers::OnClick(HWND window, int32_t x, int32_t y) {
    CPlayerBadges* badges = GetPlayerBadges();
    const int32_t slot = badges->SlotAt(x, y);
    if (slot < 0)
        return false;
    if (badges->IsAddSlot(slot)) {
        AddPlayer(window);
        return true;
    }
    badges->HighlightSlot(slot);
    InvalidateRect(window, nullptr, FALSE);
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(ID_START), 0);
    return true;
}

bool CTitlePlayers::OnStartKey(HWND window) {
    CPlayerBadges* badges = GetPlayerBadges();
    if (!badges->IsAddSlot(badges->Highlight()))
        return false;
    AddPlayer(window);
    return true;
}

void CTitlePlayers::AddPlayer(HWND window) {
    CSettings* settings = CSettings::GetInstance();
    FamilyChoice family = settings->GetFamily();
    const int32_t added = ::AddPlayer(family);
    if (added < 0)
        return;
    settings->SetFamily(family);
    settings->Save();
    GetPlayerBadges()->SetFamily(family);
    // The new badge highlighted: Enter starts the new player.
    GetPlayerBadges()->HighlightSlot(added);
    InvalidateRect(window, nullptr, FALSE);
}

void CTitlePlayers::ChooseHighlighted() {
    CSettings* settings = CSettings::GetInstance();
    FamilyChoice family = settings->GetFamily();
    int32_t chosen = GetPlayerBadges()->Highlight();
    // The start button with the highlight on the add badge: the last player.
    if (chosen < 0 || chosen >= static_cast<int32_t>(family.players.size()))
        chosen = family.lastPlayer;
    const PlayerEntry& player = family.players[static_cast<size_t>(chosen)];
    CPlayerSaves::GetInstance()->SetFolder(player.folder);
    CPlayerSaves::GetInstance()->SetBadge(player.badge);
    if (chosen != family.lastPlayer) {
        family.lastPlayer = chosen;
        settings->SetFamily(family);
        settings->Save();
    }
}
