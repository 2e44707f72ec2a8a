#include "game/page_cursor.h"
#include "game/catalogue.h"

CPageCursor* CPageCursor::Instance() {
    static CPageCursor cursor;
    return &cursor;
}

void CPageCursor::Next() {
    pageIndex = pageIndex >= kPageCount ? 1 : pageIndex + 1;
}

void CPageCursor::Previous() {
    pageIndex = pageIndex <= 1 ? kPageCount : pageIndex - 1;
}

bool CPageCursor::GoTo(int32_t page) {
    if (page < 1 || page > kPageCount)
        return false;
    pageIndex = page;
    return true;
}
