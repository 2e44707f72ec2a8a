// The three picture dialogs (about box, one-time directions, ending screen):
// each a full picture with one picture button, built in memory when shown.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

// One control of a picture dialog, in stored (pre-conversion) units.
struct DialogControlEntry {
    int32_t x, y, width, height;
    uint32_t id;
    uint32_t style;
    const wchar_t* className; // null ends a control table
    const wchar_t* text;
    uint8_t extraCount;
    uint8_t extra[10];
};

struct DialogEntry {
    uint32_t style;
    uint16_t x, y;
    uint16_t width, height;
    const wchar_t* menu;
    const wchar_t* windowClass;
    const wchar_t* title;
    uint16_t pointSize;
    const wchar_t* fontName;
    const DialogControlEntry* controls;
};

enum DialogIndex { kPictureDialog = 0, kEndingDialog = 1 };

extern DialogEntry g_dialogTable[2];

// Called by WinMain before the main loop: points each dialog at its controls.
void BindDialogControls();

// Builds dialog index's template in a global block (GlobalFree it), or null.
HGLOBAL BuildDialogTemplate(int index);

// Runs the dialog modally over parent; 0 when it could not be built.
INT_PTR ShowPictureDialog(HWND parent, int index, DLGPROC procedure, const char* backgroundName);

// Called by the picture dialogs' procedures to answer: ends dialog with
// result, whether it runs modally over its parent or inside it
// (dialog_inside.h), where it is hidden with the result kept for the loop
// that runs it.
void EndPictureDialog(HWND dialog, INT_PTR result);

INT_PTR CALLBACK PictureDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EndingDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Drawing helpers of the two procedures.
int DrawResourceBitmap(HDC dc, const char* bitmapName, int x, int y);
int DrawOwnerDrawBitmap(const DRAWITEMSTRUCT* item, const char* pressedName,
                        const char* releasedName);
void CenterOnParent(HWND window, int yOffset);
HBRUSH MakeTransparentText(HDC dc);
