// The document's page as save-file records, and back again.
#pragma once

#include "persist/puzzle_file_ops.h"

class CAnimDocBase;

// The page's piece sprites in list order and its view's placed count. The
// buttons and the page number are laid out afresh each time, so they are
// not stored.
SavedPage RecordPage(CAnimDocBase& document);

// Puts saved on document: the placed count into its view, and each record of
// a piece of the page now loaded, at most once, as a sprite as it was left.
// Any other record is skipped and logged, so a damaged file can neither
// reach outside the picture table nor put a piece on the page twice.
void RestorePage(const SavedPage& saved, CAnimDocBase& document);
