#include "planner.h"

#include "random.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace content {

namespace {

constexpr uint64_t kPlanSeed = 0x706c616e6e6572ull;
constexpr int kAttempts = 400;

struct Grid {
    int columns;
    int rows;
};

Grid GridFor(int count, Random& random) {
    switch (count) {
    case 4:
        return {2, 2};
    case 5:
    case 6:
        return {2, 3};
    case 7:
    case 8:
        return random.Chance(0.5) ? Grid{2, 4} : Grid{3, 3};
    case 9:
        return {3, 3};
    default:
        return {3, 4};
    }
}

// Picks count cells of the grid, always including the top-left one, which
// belongs to the page's first piece.
std::vector<int> ChooseCells(const Grid& grid, int count, Random& random) {
    std::vector<int> others;
    for (int cell = 1; cell < grid.columns * grid.rows; ++cell)
        others.push_back(cell);
    while (static_cast<int>(others.size()) > count - 1)
        others.erase(others.begin() + random.Between(0, static_cast<int>(others.size()) - 1));
    std::vector<int> cells{0};
    cells.insert(cells.end(), others.begin(), others.end());
    return cells;
}

void PlaceHoles(std::vector<PieceLayout>& pieces, Random& random) {
    const int count = static_cast<int>(pieces.size());
    const Grid grid = GridFor(count, random);
    const std::vector<int> cells = ChooseCells(grid, count, random);
    const double cellW = static_cast<double>(kPictureArea.w) / grid.columns;
    const double cellH = static_cast<double>(kPictureArea.h) / grid.rows;
    const int bodyW = std::min(MaxBodyWidth(count), static_cast<int>(cellW) - kHoleGap);
    const int bodyH = std::min(MaxBodyHeight(count), static_cast<int>(cellH) - kHoleGap);
    for (int n = 0; n < count; ++n) {
        PieceLayout& piece = pieces[n];
        if (n == 0) {
            piece.hole = {kPictureArea.x, kPictureArea.y};
            continue;
        }
        const int column = cells[n] % grid.columns, row = cells[n] / grid.columns;
        const int left = kPictureArea.x + static_cast<int>(column * cellW);
        const int top = kPictureArea.y + static_cast<int>(row * cellH);
        const int slackX = std::max(0, static_cast<int>(cellW) - bodyW - kHoleGap);
        const int slackY = std::max(0, static_cast<int>(cellH) - bodyH - kHoleGap);
        // A hole's rectangle starts up and left of its body and must stay in the picture.
        const int bodyX = std::max(left + kHoleGap / 2 + random.Between(0, slackX),
                                   kPictureArea.x + kDragFromHole.x + kBodyInset);
        const int bodyY = std::max(top + kHoleGap / 2 + random.Between(0, slackY),
                                   kPictureArea.y + kDragFromHole.y + kBodyInset);
        piece.hole = {bodyX - kDragFromHole.x - kBodyInset, bodyY - kDragFromHole.y - kBodyInset};
    }
}

// Stacks the pieces of one side in one column, or in two when one is too
// tall, spreading them evenly down the side with a little jitter.
bool PlaceSide(std::vector<PieceLayout*>& side, int left, int right, Random& random) {
    const int top = kDragFromLoose.y + kBodyInset;
    const int height = kLooseBottom - top;
    auto columnHeight = [](const std::vector<PieceLayout*>& column) {
        int sum = 0;
        for (const PieceLayout* piece : column)
            sum += piece->h + kShadowReach + kLooseGap;
        return sum;
    };
    std::vector<std::vector<PieceLayout*>> columns{side};
    if (columnHeight(side) > height) {
        columns.assign(2, {});
        for (size_t i = 0; i < side.size(); ++i)
            columns[i % 2].push_back(side[i]);
    }
    auto widest = [](const std::vector<PieceLayout*>& column) {
        int most = 0;
        for (const PieceLayout* piece : column)
            most = std::max(most, piece->w + kShadowReach);
        return most;
    };
    int slack = right - left - widest(columns[0]);
    if (columns.size() == 2)
        slack = (slack - widest(columns[1]) - kLooseGap) / 2;
    if (slack < 0)
        return false;
    for (size_t c = 0; c < columns.size(); ++c) {
        const int count = static_cast<int>(columns[c].size());
        const int free = height - columnHeight(columns[c]);
        if (free < 0)
            return false;
        // Even spacing; the second column sits half a step lower so the two
        // interleave. Each piece then moves up or down a little on its own.
        const double step = free / (count + 0.5);
        double y = top + step * (c == 1 ? 0.75 : 0.25);
        for (PieceLayout* piece : columns[c]) {
            const int boxW = piece->w + kShadowReach;
            int x;
            if (columns.size() == 1)
                x = left + random.Between(0, std::max(0, right - left - boxW));
            else if (c == 0)
                x = left + random.Between(0, slack);
            else
                x = right - boxW - random.Between(0, slack);
            const int jitter = static_cast<int>(step / 6);
            const int boxY = static_cast<int>(y) + random.Between(-jitter, jitter);
            piece->loose = {x - kDragFromLoose.x - kBodyInset,
                            std::max(top, boxY) - kDragFromLoose.y - kBodyInset};
            y += piece->h + kShadowReach + kLooseGap + step;
        }
    }
    return true;
}

bool PlaceLoose(std::vector<PieceLayout>& pieces, Random& random) {
    std::vector<PieceLayout*> order;
    for (PieceLayout& piece : pieces)
        order.push_back(&piece);
    for (size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[random.Between(0, static_cast<int>(i) - 1)]);
    std::vector<PieceLayout*> leftSide(order.begin(), order.begin() + order.size() / 2);
    std::vector<PieceLayout*> rightSide(order.begin() + order.size() / 2, order.end());
    // Footprints run from the screen's edge (less the loose picture's empty
    // margin) to the frame.
    const int frameLeft = kPictureArea.x - kFrameWidth;
    const int frameRight = kPictureArea.Right() + kFrameWidth;
    return PlaceSide(leftSide, kDragFromLoose.x + kBodyInset, frameLeft, random) &&
           PlaceSide(rightSide, frameRight, kScreenWidth, random);
}

bool AllFit(const std::vector<PieceLayout>& pieces) {
    for (size_t i = 0; i < pieces.size(); ++i)
        if (!Fits(pieces, i))
            return false;
    return true;
}

} // namespace

std::vector<PieceLayout> PlanPage(int page) {
    const PageRange range = PiecesOf(page);
    Random random(kPlanSeed, static_cast<uint64_t>(page));
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<PieceLayout> pieces(range.count);
        for (int n = 0; n < range.count; ++n) {
            pieces[n].piece = range.first + n;
            pieces[n].first = n == 0;
        }
        PlaceHoles(pieces, random);
        try {
            // Sizes from the holes alone; the loose places are chosen to fit them.
            GrowSizes(pieces, Constraints::kHolesOnly);
        } catch (const std::runtime_error&) {
            continue;
        }
        if (!PlaceLoose(pieces, random) || !AllFit(pieces))
            continue;
        // The game's rule must give back the same sizes from the positions.
        std::vector<PieceLayout> check = pieces;
        GrowSizes(check);
        bool same = true;
        for (size_t i = 0; i < check.size(); ++i)
            same = same && check[i].w == pieces[i].w && check[i].h == pieces[i].h;
        if (same)
            return check;
    }
    throw std::runtime_error("no layout found for page " + std::to_string(page));
}

std::string PositionTable(int firstPage, int lastPage) {
    std::string out;
    char line[96];
    for (int page = firstPage; page <= lastPage; ++page) {
        const PageRange range = PiecesOf(page);
        std::snprintf(line, sizeof line, "    // Page %d: pieces %d-%d\n", page, range.first,
                      range.first + range.count - 1);
        out += line;
        for (const PieceLayout& piece : PlanPage(page)) {
            std::snprintf(line, sizeof line, "    {%d, %d, %d, %d},\n", piece.loose.x,
                          piece.loose.y, piece.hole.x, piece.hole.y);
            out += line;
        }
    }
    return out;
}

} // namespace content
