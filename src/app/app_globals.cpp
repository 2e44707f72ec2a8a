#include "app/app_globals.h"

std::string g_className;
std::string g_windowTitle;
volatile int32_t g_appActive = 1;
CFullScreenWindow* g_mainWindow = nullptr;
