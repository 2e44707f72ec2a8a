#include "game/win32/own_pictures.h"
#include "diag/log.h"
#include "game/page_cursor.h"
#include "game/win32/photo_dialogs.h"
#include "photos/photo_frame.h"
#include "platform/clock.h"
#include "shelf/photo_adding.h"
#include "shelf/shelf.h"
#include "sprites/anim_doc.h"

#include <algorithm>
#include <future>

bool COwnPictures::AddFromDialog(HWND window) {
    if (adding)
        return false;
    adding = true;
    const std::vector<std::string> paths = ChoosePhotos(window);
    const bool added = !paths.empty() && AddFiles(window, paths);
    adding = false;
    SetFocus(window);
    return added;
}

void COwnPictures::AddDropped(HWND window, HDROP drop) {
    // The Open dialog and the piece chooser keep messages flowing to the
    // window: a second drop there would ask a second count inside the
    // first and open its page under the first one's feet.
    if (adding) {
        DragFinish(drop);
        Log("COwnPictures: a drop while pictures are being added is left alone");
        return;
    }
    adding = true;
    const std::vector<std::string> paths = DroppedFiles(drop);
    if (!paths.empty())
        AddFiles(window, paths);
    adding = false;
    SetFocus(window);
}

bool COwnPictures::AddFiles(HWND window, const std::vector<std::string>& paths) {
    const std::string shelf = ShelfFolder();
    if (!PrepareShelf(shelf)) {
        Log("COwnPictures: the shelf folder cannot be made");
        ShowPictureRefused(window);
        return false;
    }
    // The first photo is read, decoded and framed while the player looks at
    // the chooser, so that little is left to do once the count is clicked.
    // Nothing of it is written or logged before the count is known. Where
    // no thread can be had, it runs at get() instead.
    std::future<PreparedPhoto> firstPhoto =
        std::async(std::launch::async | std::launch::deferred, PreparePhoto, paths.front());
    const int32_t count = ChoosePieceCount(window);
    PreparedPhoto prepared = firstPhoto.get();
    if (!photos::IsPieceCount(count))
        return false;
    Log("COwnPictures: %d pieces chosen", static_cast<int>(count));
    std::string first;
    bool refused = false;
    const uint32_t started = platform::MillisecondClock();
    for (size_t i = 0; i < paths.size(); ++i) {
        std::string name;
        if (i > 0)
            prepared = PreparePhoto(paths[i]);
        if (StorePreparedPhoto(prepared, count, shelf, &name) == AddedPhoto::kAdded) {
            Log("COwnPictures: %s added as %s", paths[i].c_str(), name.c_str());
            if (first.empty())
                first = name;
        } else {
            Log("COwnPictures: %s refused", paths[i].c_str());
            refused = true;
        }
    }
    // The first new page opens once every picture is done; one notice for
    // the pictures that could not be used.
    Log("COwnPictures: %u pictures taken in %u ms", static_cast<unsigned>(paths.size()),
        static_cast<unsigned>(platform::MillisecondClock() - started));
    const bool shown = !first.empty() && Open(first);
    if (refused)
        ShowPictureRefused(window);
    return shown;
}

bool COwnPictures::Open(const std::string& name) {
    const uint32_t started = platform::MillisecondClock();
    auto next = std::make_unique<COwnPage>();
    if (!next->Open(ShelfFolder() + "\\" + name))
        return false;
    Log("COwnPictures: page cut in %u ms",
        static_cast<unsigned>(platform::MillisecondClock() - started));
    const std::vector<std::string> names = ListShelf(ShelfFolder());
    next->SetLabel(
        static_cast<int32_t>(std::find(names.begin(), names.end(), name) - names.begin() + 1));
    Log("COwnPictures: %s opened", name.c_str());
    // The page being left is stored through the old source, which stays
    // alive until the new page is shown.
    const uint32_t cut = platform::MillisecondClock();
    document->ShowOwnPage(next.get());
    Log("COwnPictures: page shown in %u ms",
        static_cast<unsigned>(platform::MillisecondClock() - cut));
    page = std::move(next);
    pageName = name;
    return true;
}

void COwnPictures::ShowShelf(HWND window) {
    const std::string shelf = ShelfFolder();
    if (!Showing() && PrepareShelf(shelf)) {
        const std::vector<std::string> names = ListShelf(shelf);
        for (const std::string& name : names)
            if (Open(name))
                break;
    }
    SetFocus(window);
}

bool COwnPictures::Showing() const {
    return page != nullptr && document->GetPageSource() == page.get();
}

const std::string& COwnPictures::ShownName() const {
    static const std::string kNone;
    return Showing() ? pageName : kNone;
}

bool COwnPictures::Remove(const std::string& name) {
    if (Showing() && pageName == name) {
        document->GoToPage(document->GetPageCursor()->GetPageIndex());
        Forget();
    }
    return RemoveFromShelf(ShelfFolder(), name);
}

bool COwnPictures::Step(HWND, int32_t step) {
    if (!Showing())
        return false;
    const std::string next = StepAmong(ListShelf(ShelfFolder()), pageName, step);
    if (!next.empty() && next != pageName)
        Open(next);
    return true;
}

void COwnPictures::Forget() {
    if (page != nullptr && document->GetPageSource() != page.get()) {
        page.reset();
        pageName.clear();
    }
}
