#include "DocumentSlots.h"

namespace DocumentSlots {

std::optional<int> FirstFreeSlot(int slotCount, const std::function<bool(int)> &occupied)
{
    for (int i = 0; i < slotCount; ++i)
        if (!occupied(i))
            return i;
    return std::nullopt;
}

void FillDocumentRecord(TDocumentRecord &record,
                        const std::function<std::optional<TTextElementRecord>(int)> &textOf,
                        const std::function<std::optional<TImageElementRecord>(int)> &imageOf,
                        const std::array<TColor, 8> &colors)
{
    ClearDocumentRecord(record);
    for (int i = 0; i < TextSlotCount; ++i)
        if (auto r = textOf(i); r && r->isUsed())
            record.Texts[i] = *r;
    for (int i = 0; i < ImageSlotCount; ++i)
        if (auto r = imageOf(i); r && r->isUsed())
            record.Images[i] = *r;
    record.FormatVersion = QStringLiteral("1.1");
    record.Reserved.clear();
    record.Colors = colors;
}

namespace {

// Adjacent entries swap when the first has the greater Order and that Order
// is not negative; the pass restarts after every swap. Images with a negative
// Order therefore sink below the others and keep their slot order.
void sortByOrder(std::vector<TStackEntry> &list)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < list.size(); ++i) {
            if (list[i].order > list[i + 1].order && list[i].order >= 0) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
                break;
            }
        }
    }
}

} // namespace

std::vector<int> ImageStackingSequence(const std::vector<TStackEntry> &images)
{
    std::vector<TStackEntry> front, inside, back;
    for (const TStackEntry &e : images) {
        if (e.surface == TSurfaceCode::Front && e.fitStyle != fsFrontInside)
            front.push_back(e);
        else if (e.surface == TSurfaceCode::Inside && e.fitStyle != fsFrontInside)
            inside.push_back(e);
        else if (e.surface == TSurfaceCode::Back)
            back.push_back(e);
    }
    std::vector<int> sequence;
    for (auto *list : {&front, &inside, &back}) {
        sortByOrder(*list);
        for (const TStackEntry &e : *list)
            sequence.push_back(e.slot);
    }
    return sequence;
}

} // namespace DocumentSlots
