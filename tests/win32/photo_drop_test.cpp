// Files dropped onto the window and chosen in the Open dialog: the paths
// they carry, in order and in UTF-8, whatever the names, the drop's memory
// let go of afterwards, as the system's own drops hand them.
#include "game/win32/photo_dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <shlobj.h>
#include <string>
#include <vector>

namespace {

// A drop as the shell makes one: DROPFILES, then the paths, each ended by
// a zero, and one more zero after the last; wide (as Wine and Explorer make
// them) or in the ANSI code page.
template <typename Char> HDROP MakeDrop(const std::vector<std::basic_string<Char>>& paths) {
    std::basic_string<Char> list;
    for (const auto& path : paths)
        list += path + Char{0};
    list += Char{0};
    const size_t bytes = list.size() * sizeof(Char);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = sizeof(Char) > 1;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

TEST(PhotoDrop, EveryDroppedPathIsTakenInOrder) {
    const std::vector<std::string> paths = {"C:\\photos\\beach.jpg", "Z:\\tmp\\dog one.png",
                                            "C:\\a.gif"};
    EXPECT_EQ(DroppedFiles(MakeDrop(paths)), paths);
}

TEST(PhotoDrop, NamesOutsideTheAnsiCodePageArriveInUtf8) {
    const std::vector<std::wstring> dropped = {
        L"Z:\\tmp\\\u00c9mile \u00e0 la plage.jpg", L"C:\\Oma\u2019s Geburtstag.jpg",
        L"C:\\\u0411\u0430\u0431\u0443\u0448\u043a\u0430\\\u5976\u5976.png"};
    const std::vector<std::string> expected = {
        u8"Z:\\tmp\\\u00c9mile \u00e0 la plage.jpg", u8"C:\\Oma\u2019s Geburtstag.jpg",
        u8"C:\\\u0411\u0430\u0431\u0443\u0448\u043a\u0430\\\u5976\u5976.png"};
    EXPECT_EQ(DroppedFiles(MakeDrop(dropped)), expected);
}

TEST(PhotoChoice, OneFileOrAFolderAndItsNames) {
    EXPECT_EQ(SplitChosenFiles(L"C:\\photos\\\u00c9mile.jpg\0"),
              std::vector<std::string>{u8"C:\\photos\\\u00c9mile.jpg"});
    EXPECT_EQ(SplitChosenFiles(L"C:\\\u0444\u043e\u0442\u043e\0a.jpg\0Oma\u2019s.png\0"),
              (std::vector<std::string>{u8"C:\\\u0444\u043e\u0442\u043e\\a.jpg",
                                        u8"C:\\\u0444\u043e\u0442\u043e\\Oma\u2019s.png"}));
    EXPECT_TRUE(SplitChosenFiles(L"\0").empty());
}

} // namespace
