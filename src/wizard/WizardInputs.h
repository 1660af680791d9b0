#pragma once
// What the wizard's three pages hold when Finish is clicked.

#include <QString>
#include <QStringList>

struct TWizardInputs {
    QString Title;
    QString Author;
    bool DontDisplayOnFront = false;
    QStringList Tracks;                 // the track box's lines, empty ones included
    bool AutonumberTracks = true;
    QString NumberFormat = QStringLiteral("# - ");
    bool Use01 = false;
    bool AddTrackTimes = false;
    QString Drive;                      // device or disc image the times are read from
    QString LeftSpine;
    QString RightSpine;
    QString Info;
    bool TitlesInsideCover = true;
    bool TitlesBackCover = true;
    bool TitlesRoundLabel = true;
    bool InfoInsideCover = true;
    bool InfoBackCover = true;
    QString ImageFront;
    QString ImageInside;
    QString ImageBack;
};
