// The game flow's static objects, made before WinMain runs. They only take
// the addresses of the document and the view, which may be made later.
#include "game/win32/game_controller.h"
#include "game/win32/screens.h"
#include "sprites/anim_link.h"

CTitleScreen g_titleScreen;
CGameScreen g_gameScreen(&g_animDoc, &g_animView);
CScreen* g_currentScreen = nullptr;
CGameController g_gameController(&g_titleScreen, &g_gameScreen, &g_animDoc, &g_animView);
