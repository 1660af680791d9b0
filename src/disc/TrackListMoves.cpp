#include "TrackListMoves.h"

#include <numeric>
#include <utility>

namespace {

QList<int> Move(QList<bool> selected, int step)
{
    const int count = int(selected.size());
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    // Up: from the second line downwards, each selected line trades places
    // with the line above it; down: from the last but one upwards, with the
    // line below. The flags travel with the lines.
    const int first = step < 0 ? 1 : count - 2;
    for (int i = first; i >= 0 && i < count; i -= step) {
        const int other = i + step;
        if (!selected[i] || selected[other])
            continue;
        std::swap(order[i], order[other]);
        std::swap(selected[i], selected[other]);
    }
    return order;
}

} // namespace

QList<int> MoveSelectedUp(const QList<bool> &selected)
{
    return Move(selected, -1);
}

QList<int> MoveSelectedDown(const QList<bool> &selected)
{
    return Move(selected, +1);
}
