// The page being shown, 1 to 30. Navigation wraps around at both ends, so
// there is no page at which a page button stops working.
#pragma once

#include <cstdint>

class CPageCursor {
public:
    // The one object of the process, made on first use.
    static CPageCursor* Instance();

    int32_t GetPageIndex() const { return pageIndex; }
    void Next();
    void Previous();
    // Jumps straight to a page (a page chosen in the picture book); false
    // and unchanged outside 1..30.
    bool GoTo(int32_t page);

private:
    int32_t pageIndex = 1;
};
