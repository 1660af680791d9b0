#include "uMultipleCd.h"

#include "CDDBParser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmMultipleCD::TfrmMultipleCD(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("FreeDB"));

    lblMultiple = new QLabel(
        QStringLiteral("Multiple entries found in the FreeDB database, please select  one of the CD title displayed!"), this);
    lblMultiple->setWordWrap(true);

    lstCDs = new QTreeWidget(this);
    lstCDs->setRootIsDecorated(false);
    lstCDs->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstCDs->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCDs->setHeaderLabels({QStringLiteral("DiscID"), QStringLiteral("Artist"), QStringLiteral("Title"),
                             QStringLiteral("Genre")});
    // The identifier column is widened when the font would cut its 8 digits.
    const int idWidth = qMax(60, lstCDs->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 16);
    const int widths[] = {idWidth, 107, 150, 94};
    for (int i = 0; i < 4; ++i)
        lstCDs->setColumnWidth(i, widths[i]);
    lstCDs->setMinimumWidth(idWidth + 107 + 150 + 94 + 8);

    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnSelect = new QPushButton(QStringLiteral("&Select"), this);
    btnSelect->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnSelect);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblMultiple);
    layout->addWidget(lstCDs, 1);
    layout->addLayout(buttons);

    connect(btnSelect, &QPushButton::clicked, this, &TfrmMultipleCD::btnSelectClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmMultipleCD::btnCancelClick);
    connect(lstCDs, &QTreeWidget::itemDoubleClicked, this, &TfrmMultipleCD::btnSelectClick);
}

void TfrmMultipleCD::Fill(const QList<tDiscResult> &matches)
{
    lstCDs->clear();
    FChosenIndex = -1;
    for (int i = 0; i < matches.size(); ++i) {
        const tDiscResult &m = matches[i];
        if (m.DiscID.isEmpty())
            continue;
        auto *row = new QTreeWidgetItem(lstCDs, {ShownText(m.DiscID), m.Artist, m.Title, ShownText(m.Category)});
        row->setData(0, Qt::UserRole, i);
    }
}

void TfrmMultipleCD::btnSelectClick()
{
    const QList<QTreeWidgetItem *> selected = lstCDs->selectedItems();
    if (selected.isEmpty())
        return;
    FChosenIndex = selected.first()->data(0, Qt::UserRole).toInt();
    done(SelectedResult);
}

void TfrmMultipleCD::btnCancelClick()
{
    FChosenIndex = -1;
    done(CancelledResult);
}

void TfrmMultipleCD::reject()
{
    btnCancelClick();
}
