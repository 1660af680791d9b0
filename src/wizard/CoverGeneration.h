#pragma once
// Finish: a cover made from the wizard's inputs through the editor's own
// operations (TCoverBuilder), so every text and picture it makes is an
// ordinary element the user then edits.
//
// A text is placed by showing its surface, loading its role's style into
// the property panel, typing it (which makes and selects the element),
// moving it, and selecting none. Lines follow each other 1 pixel apart from
// the element placed before (LastBounds), which is kept between runs.

#include "Placement.h"
#include "WizardInputs.h"

#include <QRect>

class TCoverBuilder;

class TCoverGeneration {
public:
    // The alias the disc's track times are read under.
    static inline const QString TimesAlias = QStringLiteral("LettoreCD");

    explicit TCoverGeneration(TCoverBuilder &builder);

    // Builds the cover into the (emptied) document. The tracks style's size
    // is put back at the end, also when an operation throws. Texts that find
    // no free slot are left out and counted; the user is told once, at the
    // end, how many.
    void Run(const TWizardInputs &inputs);

    // One text placed by role on a surface (nothing for an empty text).
    void PlaceText(const QString &text, TTextRole role, TSurfaceCode surface);

    // The bounds of the element placed last; (0, 0, 0, 0) until the first.
    QRect LastBounds;
    // True while the element being placed is the first of its column.
    bool FirstLine = false;
    // Texts left out in the last run for want of a slot.
    int LeftOut() const { return FLeftOut; }

private:
    void PlaceTrackLines(TTextRole role, TSurfaceCode surface);
    void PlaceTrackTimes(TSurfaceCode surface);
    void OpenTimes();
    void PlaceTrackColumn(TSurfaceCode surface);

    TCoverBuilder &FBuilder;
    const TWizardInputs *FInputs = nullptr;
    bool FTimesOpen = false;
    int FLeftOut = 0;
};
