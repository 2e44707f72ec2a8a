#include "sprites/anim_link.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"

void LinkAnimation(CAnimDoc* document, CAnimView* view, HWND mainWindow) {
    document->SetView(view);
    document->SetMainWindow(mainWindow);
    document->Sprites().SetDirtyRectSink(view);
    view->SetDocument(document);
    view->SetMainWindow(mainWindow);
}
