#include "AlignArithmetic.h"

#include <algorithm>
#include <numeric>

QPoint AlignToSurface(TAlignCommand command, const QRect &e, QSize panel)
{
    QPoint p = e.topLeft();
    switch (command) {
    case TAlignCommand::Left: p.setX(0); break;
    case TAlignCommand::Center: p.setX((panel.width() - e.width()) / 2); break;
    case TAlignCommand::Right: p.setX(panel.width() - e.width()); break;
    case TAlignCommand::Top: p.setY(0); break;
    case TAlignCommand::Middle: p.setY((panel.height() - e.height()) / 2); break;
    case TAlignCommand::Bottom: p.setY(panel.height() - e.height()); break;
    }
    return p;
}

namespace {

// One axis of the dialog: `pos` and `size` of every element, `first` the
// first element's, `extent` the panel's length on that axis.
int AlignedOnAxis(int item, bool single, int pos, int size, int firstPos, int firstSize, int extent)
{
    switch (item) {
    case 1: return single ? 0 : firstPos;
    case 2: return single ? (extent - size) / 2 : firstPos + firstSize / 2 - size / 2;
    case 3: return single ? extent - size : firstPos + firstSize - size;
    case 4: return single ? pos : (extent - size) / 2;
    default: return pos;
    }
}

} // namespace

std::vector<QPoint> AlignmentDialogPositions(const std::vector<QRect> &elements, QSize panel,
                                             int horizontalItem, int verticalItem)
{
    std::vector<QPoint> result;
    if (elements.empty())
        return result;
    const bool single = elements.size() < 2;
    const QRect &f = elements.front();
    for (const QRect &e : elements)
        result.emplace_back(AlignedOnAxis(horizontalItem, single, e.left(), e.width(), f.left(), f.width(), panel.width()),
                            AlignedOnAxis(verticalItem, single, e.top(), e.height(), f.top(), f.height(), panel.height()));
    if (verticalItem == vaSpaceEqually && !single) {
        const std::vector<int> tops = SpaceEquallyTops(elements);
        for (size_t i = 0; i < result.size(); ++i)
            result[i].setY(tops[i]);
    }
    return result;
}

std::vector<int> SpaceEquallyTops(const std::vector<QRect> &elements)
{
    const int n = int(elements.size());
    std::vector<int> tops(n);
    for (int i = 0; i < n; ++i)
        tops[i] = elements[i].top();
    if (n < 2)
        return tops;

    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return elements[a].top() < elements[b].top(); });

    const QRect &first = elements[order.front()];
    const int tl = elements[order.back()].top();
    long long mid = 0;
    for (int k = 1; k < n - 1; ++k)
        mid += elements[order[k]].height();
    const long long free = tl - (first.top() + first.height() + mid);
    if (free < 0)
        return tops;

    const long long gap = free / (n - 1);
    long long heightsBefore = 0;
    for (int k = 0; k < n; ++k) {
        tops[order[k]] = int(first.top() + k * gap + heightsBefore);
        heightsBefore += elements[order[k]].height();
    }
    return tops;
}
