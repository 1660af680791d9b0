#include "CoverGeneration.h"

#include "CDAudio.h"
#include "CoverBuilder.h"
#include "TrackFit.h"
#include "WizardFields.h"
#include "uResource.h"

#include <QScopeGuard>

TCoverGeneration::TCoverGeneration(TCoverBuilder &builder)
    : FBuilder(builder)
{
}

void TCoverGeneration::Run(const TWizardInputs &in)
{
    FInputs = &in;
    FLeftOut = 0;
    int &trackSize = FBuilder.Settings().Styles[2].FontSize;
    const int savedSize = trackSize;
    const auto restore = qScopeGuard([&] {
        trackSize = savedSize;
        if (FTimesOpen)
            MciClose(TimesAlias);
        FTimesOpen = false;
        FInputs = nullptr;
    });

    if (in.AddTrackTimes)
        OpenTimes();

    if (!in.DontDisplayOnFront) {
        PlaceText(in.Title, TTextRole::Title, TSurfaceCode::Front);
        PlaceText(in.Author, TTextRole::Author, TSurfaceCode::Front);
    }
    PlaceText(in.Title, TTextRole::Title, TSurfaceCode::RoundLabel);
    PlaceText(in.Author, TTextRole::Author, TSurfaceCode::RoundLabel);

    if (in.TitlesInsideCover)
        PlaceTrackColumn(TSurfaceCode::Inside);
    if (in.TitlesBackCover) {
        trackSize = savedSize; // the back cover is fitted afresh
        PlaceTrackColumn(TSurfaceCode::Back);
    }
    if (in.TitlesRoundLabel)
        PlaceTrackLines(TTextRole::LabelTrack, TSurfaceCode::RoundLabel);
    if (FTimesOpen) {
        MciClose(TimesAlias);
        FTimesOpen = false;
    }

    PlaceText(in.LeftSpine, TTextRole::LeftSpine, TSurfaceCode::Back);
    PlaceText(in.RightSpine, TTextRole::RightSpine, TSurfaceCode::Back);
    if (!in.Info.isEmpty()) {
        if (in.InfoInsideCover)
            PlaceText(in.Info, TTextRole::Info, TSurfaceCode::Inside);
        if (in.InfoBackCover)
            PlaceText(in.Info, TTextRole::Info, TSurfaceCode::Back);
    }
    FBuilder.SelectNone();

    const std::pair<const QString *, TSurfaceCode> pictures[] = {
        {&in.ImageFront, TSurfaceCode::Front}, {&in.ImageInside, TSurfaceCode::Inside}, {&in.ImageBack, TSurfaceCode::Back}};
    for (const auto &[path, surface] : pictures)
        if (!path->isEmpty()) {
            // The fit list: 1 front cover, 2 inside cover, 4 back cover between the spines.
            const int fit = surface == TSurfaceCode::Front ? 1 : surface == TSurfaceCode::Inside ? 2 : 4;
            FBuilder.ShowSurface(surface);
            FBuilder.InsertImage(*path, fit);
        }
    FBuilder.ShowSurface(TSurfaceCode::Front);

    if (FLeftOut > 0)
        FBuilder.ShowMessage(Str(4595).arg(TextSlotCount).arg(FLeftOut));
}

void TCoverGeneration::OpenTimes()
{
    MciClose(TimesAlias); // an alias left open by an interrupted run
    FTimesOpen = MciOpen(FInputs->Drive, TimesAlias);
    // Retry reads the drive again; Cancel goes on, and the time columns
    // are left out because each asks whether a disc is present.
    while (!MciMediaPresent(TimesAlias)) {
        if (!FBuilder.AskRetryNoDisc())
            break;
        if (FTimesOpen)
            MciClose(TimesAlias);
        FTimesOpen = MciOpen(FInputs->Drive, TimesAlias);
    }
}

void TCoverGeneration::PlaceTrackColumn(TSurfaceCode surface)
{
    TCoverSettings &settings = FBuilder.Settings();
    const float height = surface == TSurfaceCode::Inside ? settings.InsideHeight : settings.BackHeight;
    settings.Styles[2].FontSize = TrackFit::FitTrackFont(settings.Styles[2], FInputs->Tracks, FBuilder.ScreenPpi(), height);
    PlaceTrackLines(TTextRole::Track, surface);
    if (FInputs->AddTrackTimes && MciMediaPresent(TimesAlias))
        PlaceTrackTimes(surface);
}

void TCoverGeneration::PlaceTrackLines(TTextRole role, TSurfaceCode surface)
{
    const TWizardInputs &in = *FInputs;
    for (int i = 0; i < in.Tracks.size(); ++i) {
        FirstLine = i == 0;
        const QString &line = in.Tracks[i];
        if (line.isEmpty())
            continue;
        const QString text =
            in.AutonumberTracks ? WizardFields::NumberPrefix(in.NumberFormat, i, in.Use01) + line : line;
        PlaceText(text, role, surface);
    }
}

void TCoverGeneration::PlaceTrackTimes(TSurfaceCode surface)
{
    const int count = MciTrackCount(TimesAlias);
    bool failed = false;
    for (int k = 1; k <= count; ++k) {
        int m = 0, s = 0;
        if (!MciTrackLength(TimesAlias, k, m, s)) {
            failed = true;
            continue;
        }
        FirstLine = k == 1;
        PlaceText(QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0')), TTextRole::TrackTime, surface);
    }
    if (failed)
        FBuilder.ShowError(Str(4590));
}

void TCoverGeneration::PlaceText(const QString &text, TTextRole role, TSurfaceCode surface)
{
    if (text.isEmpty())
        return;
    if (FBuilder.FreeTextSlots() <= 0) {
        ++FLeftOut;
        return;
    }
    TCoverBuilder &b = FBuilder;
    b.ShowSurface(surface);
    b.LoadStyleValue(StyleOfRole(role));
    if (!b.TypeText(text)) {
        ++FLeftOut;
        b.SelectNone();
        return;
    }
    const bool inches = b.UseInches();
    const TPlacementDistances &d = PlacementDistances(inches);
    const QSize surfaceSize = b.SurfaceSize();
    const int w = surfaceSize.width(), h = surfaceSize.height();
    const int below = LastBounds.y() + LastBounds.height(); // the last element's bottom edge
    const bool label = surface == TSurfaceCode::RoundLabel;
    auto moveTo = [&b](int left, int top) { b.MoveSelected(QPoint(left, top)); };
    QRect e = b.SelectedBounds();

    switch (role) {
    case TTextRole::Title:
        if (label) {
            b.LoadStyleValue(2);
            b.Align(TAlignCommand::Center);
            b.SetSpinY(d.LabelTitleY);
        } else {
            b.Align(TAlignCommand::Center);
            b.Align(TAlignCommand::Middle);
        }
        break;
    case TTextRole::Author:
        if (label)
            b.LoadStyleValue(2);
        b.Align(TAlignCommand::Center);
        moveTo(b.SelectedBounds().left(), below + 5);
        break;
    case TTextRole::Track:
    case TTextRole::TrackTime: {
        const TCoverSettings &s = b.Settings();
        const double x = role == TTextRole::Track ? TrackColumnX(s, surface, inches) : TimeColumnX(s, surface, inches);
        if (FirstLine) {
            b.SetSpinY(d.FirstLineY);
            b.SetSpinX(x);
        } else {
            // The column's left through the field first, then the pixel top,
            // so the field's rounding cannot shift the line off its gap.
            b.SetSpinX(x);
            moveTo(b.SelectedBounds().left(), below + TrackFit::LineGap);
        }
        break;
    }
    case TTextRole::Info: {
        b.Align(TAlignCommand::Bottom);
        e = b.SelectedBounds();
        int left = w - e.width();
        if (surface == TSurfaceCode::Back)
            left -= w - b.RightSpineLineLeft();
        moveTo(left - 2, e.top() - 1);
        break;
    }
    case TTextRole::LeftSpine:
    case TTextRole::RightSpine: {
        // Centred along the spine by the text's length; the left one 1 pixel
        // from the left edge, the right one touching the right edge.
        const QSize line = b.SelectedLineSize();
        const int top = (h - line.width()) / 2;
        moveTo(role == TTextRole::LeftSpine ? 1 : w - line.height(), top);
        break;
    }
    case TTextRole::LabelTrack:
        if (FirstLine) {
            b.SetSpinY(d.LabelFirstY);
            b.SetSpinX(d.LabelX);
        } else {
            moveTo(LastBounds.left(), below + TrackFit::LineGap);
        }
        break;
    }
    LastBounds = b.SelectedBounds();
    b.SelectNone();
}
