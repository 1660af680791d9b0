#pragma once
// The window in which the user picks one of several discs a server offers.

#include "DiscTypes.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

class TfrmMultipleCD : public QDialog {
    Q_OBJECT
public:
    static constexpr int SelectedResult = 100;
    static constexpr int CancelledResult = -1;

    explicit TfrmMultipleCD(QWidget *parent = nullptr);

    // One row per match with an identifier; the rows remember which match
    // they show.
    void Fill(const QList<tDiscResult> &matches);
    // The match index of the chosen row, -1 when cancelled.
    int ChosenIndex() const { return FChosenIndex; }

    QTreeWidget *CDList() const { return lstCDs; }

    void btnSelectClick();
    void btnCancelClick();

public slots:
    void reject() override;

private:
    QLabel *lblMultiple = nullptr;
    QTreeWidget *lstCDs = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnSelect = nullptr;
    int FChosenIndex = -1;
};
