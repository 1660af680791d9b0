#pragma once
// Records of the disc subsystem: a table of contents, the CD drives, a CDDB
// entry as the track-list window and as the client read it, and one match.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// One track of a table of contents: absolute MSF address (the 2-second
// lead-in included) and whether it holds audio.
struct TTocEntry {
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;
    std::uint8_t Frame = 0;
    bool IsAudio = false;
};

struct TMsf {
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;
    std::uint8_t Frame = 0;
};

// A table of contents; NumTracks 0 means no disc (or an unreadable one).
struct TCDToc {
    std::uint8_t NumTracks = 0;
    TMsf LeadOut;
    std::array<TTocEntry, 100> TocTracks{};
};

// One CD drive. The device path stands where a drive letter would be.
struct TCDDrive {
    std::uint8_t HostAdapter = 0;
    std::uint8_t TargetId = 0;
    std::uint8_t Lun = 0;
    QString VendorId;
    QString ProductId;
    QString ProductRevision;
    QString VendorSpecific;
    QString Description;
    QString DevicePath; // device node or disc image; empty when none
};

constexpr int MaxCDDrives = 26;

struct TCDDrives {
    std::uint8_t Count = 0;
    std::array<TCDDrive, MaxCDDrives> Drives{};
};

constexpr int MaxEntryTracks = 101;
constexpr int MaxExtendedTracks = 100;

// An entry as the track-list window's simple reader sees it.
struct TCDDB_File {
    QString Artist;
    QString Title;
    QString DiscID;
    QString ExtendedData;
    QString FileName;
    QStringList Tracks; // at most MaxEntryTracks
    int TrackCount = 0;
};

// An entry as the CDDB client reads it.
struct TCDDBDisc {
    QString Artist;
    QString Title;
    QString DiscID;
    QString FileName;
    QString Category;
    QString ExtendedData;
    QString DiscTitle;
    QString Year;
    QString Genre;
    QString Revision;
    QStringList DiscIDs;       // filled only when DISCID lists several identifiers
    QStringList TrackTitles;   // at most MaxEntryTracks
    QStringList TrackExtended; // at most MaxExtendedTracks
    int TrackCount = 0;
    QString PlayOrder;
};

// One disc a server (or the local folder) offered.
struct tDiscResult {
    QString Category;
    QString DiscID;
    QString DiscTitle;
    QString Artist;
    QString Title;
    QString FileName; // local matches only
};
