// Static objects, made before WinMain runs; the singletons they fetch are
// made on first use and so outlive them.
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"

CAnimDoc g_animDoc;
CAnimView g_animView;
