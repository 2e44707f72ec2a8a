// Files dropped onto the window: the paths a drop carries, in order, the
// drop's memory let go of afterwards, as the system's own drops hand them.
#include "game/win32/photo_dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <shlobj.h>
#include <string>
#include <vector>

namespace {

// A drop as the shell makes one: DROPFILES, then the paths, each ended by
// a zero, and one more zero after the last.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths)
        list += path + '\0';
    list += '\0';
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

TEST(PhotoDrop, EveryDroppedPathIsTakenInOrder) {
    const std::vector<std::string> paths = {"C:\\photos\\beach.jpg", "Z:\\tmp\\dog one.png",
                                            "C:\\a.gif"};
    EXPECT_EQ(DroppedFiles(MakeDrop(paths)), paths);
}

} // namespace
