// Linking the play screen's document and view, once, before either is used.
#pragma once

#include "platform/win_types.h"

class CAnimDoc;
class CAnimView;

// Called by WinMain once the main window exists (and by tools and tests that
// play without one, with a null window): the document and the view point at
// each other, the view collects the rectangles the document's sprites report,
// and both know the window that page changes and full redraws go to.
void LinkAnimation(CAnimDoc* document, CAnimView* view, HWND mainWindow);

// The game's one document and one view (shell builds only).
extern CAnimDoc g_animDoc;
extern CAnimView g_animView;
