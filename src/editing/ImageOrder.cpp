#include "ImageOrder.h"

#include <algorithm>
#include <limits>

namespace {

TStackEntry *FindEntry(std::vector<TStackEntry> &images, int slot)
{
    auto it = std::find_if(images.begin(), images.end(), [slot](const TStackEntry &e) { return e.slot == slot; });
    return it == images.end() ? nullptr : &*it;
}

} // namespace

void UpdateImageOrder(std::vector<TStackEntry> &images, int slot, TOrderAction action)
{
    TStackEntry *image = FindEntry(images, slot);
    if (!image)
        return;
    const TSurfaceCode surface = image->surface;
    // An unranked image stands above all ranks, so it has no gap to close.
    const std::int32_t b = image->order > 0 ? image->order : std::numeric_limits<std::int32_t>::max();

    std::int32_t highestOther = 0;
    for (TStackEntry &e : images) {
        if (e.surface != surface || e.slot == slot)
            continue;
        switch (action) {
        case TOrderAction::ToBack:
            if (e.order > 0 && e.order < b)
                ++e.order;
            break;
        case TOrderAction::ToFront:
        case TOrderAction::Delete:
            if (e.order > b && e.order > 0)
                --e.order;
            break;
        }
        highestOther = std::max(highestOther, e.order);
    }
    if (action == TOrderAction::ToBack)
        image->order = 1;
    else if (action == TOrderAction::ToFront)
        image->order = highestOther + 1;
}

std::vector<int> SendToBackSequence(const std::vector<TStackEntry> &images, int slot)
{
    std::vector<int> sequence{slot};
    auto it = std::find_if(images.begin(), images.end(), [slot](const TStackEntry &e) { return e.slot == slot; });
    if (it == images.end())
        return sequence;
    std::vector<int> fitted;
    for (const TStackEntry &e : images)
        if (e.surface == it->surface && e.fitStyle != fsNone && e.slot != slot)
            fitted.push_back(e.slot);
    std::sort(fitted.begin(), fitted.end());
    sequence.insert(sequence.end(), fitted.begin(), fitted.end());
    return sequence;
}

std::int32_t NewImageOrder(const std::vector<TStackEntry> &images, TSurfaceCode surface)
{
    return 1 + std::int32_t(std::count_if(images.begin(), images.end(), [surface](const TStackEntry &e) {
               return e.surface == surface && e.order > 0;
           }));
}
