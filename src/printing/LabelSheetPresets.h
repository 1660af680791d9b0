#pragma once
// Label sheets the user can pick instead of measuring one: the CD label
// sheets described by label template files in the XML format of the gLabels
// label designer (package glabels-data: /usr/share/libglabels-3.0/templates;
// its Qt version keeps the same format in its own data folder).
//
// A <Template brand="..." part="..."> holding a <Label-cd radius hole> with
// one or more <Layout nx ny x0 y0 dx dy> becomes one preset named by brand
// and part, with the sheet's first three label positions and its own
// diameters; a <Template ... equiv="PART"/> is the same sheet as PART of the
// same brand under another name. Lengths carry a unit: pt (the default), in,
// mm, cm or pc. Files are read as untrusted input: a file that is not a
// template file, or not well-formed, is skipped whole; a template whose
// values cannot be a CD label sheet is skipped alone.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QIODevice;

struct TLabelSheetPreset {
    QString Name;        // "Avery L6043"
    QString Description; // the file's description of the sheet, may be empty
    QString Paper;       // the sheet's paper as the file names it ("A4", "US-Letter")
    int LabelsPerPage = 0; // the sheet's labels, at most three
    // Inches from the sheet's left and top edges to the top-left corner of
    // each label's bounding square.
    std::array<float, 3> XMargin{}, YMargin{};
    float OuterDiameter = 0, InnerDiameter = 0; // inches

    // The margins that put a label of `diameter` inches on the centre of
    // each of this sheet's labels; never below 0.
    std::array<float, 3> XMarginFor(float diameter) const;
    std::array<float, 3> YMarginFor(float diameter) const;
};

// The CD label sheets of one template file, with its equivalents named by a
// part of the same file. Empty for a file to skip, with *error saying why.
QList<TLabelSheetPreset> ReadLabelTemplates(QIODevice &file, QString *error = nullptr);

// The CD label sheets of all `files`, sorted by name, each name once;
// equivalents may name a part of another file. Unreadable and broken files
// are skipped.
QList<TLabelSheetPreset> ReadLabelSheetPresets(const QStringList &files);

// The template files installed for the user and the system: every "*.xml"
// in "libglabels-3.0/templates" and "glabels-qt/templates" under the data
// folders (XDG_DATA_HOME, XDG_DATA_DIRS).
QStringList LabelTemplateFiles();
