#pragma once
// TfrmAlignment, the Alignment dialog: lines the selected elements up with
// the first one selected (or with their surface when only one is selected),
// or spaces them evenly from top to bottom. It knows only the elements and
// the panel they sit on; the owner hears about a change through two signals
// so it can take its history snapshot before and re-select after.
//
//     TfrmAlignment dialog(selection, this);
//     connect(&dialog, &TfrmAlignment::aboutToApply, this, [this] { RecordHistory(); });
//     connect(&dialog, &TfrmAlignment::applied, this, [this] { ReselectAll(); Modified = true; });
//     dialog.exec();

#include <QDialog>
#include <QList>
#include <QPointer>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;

namespace Ui {
class TfrmAlignment;
}

class TfrmAlignment : public QDialog
{
    Q_OBJECT
public:
    // `elements` in selection order; they are moved on the first one's
    // parent, which is the surface panel.
    explicit TfrmAlignment(const QList<QWidget *> &elements, QWidget *parent = nullptr);
    ~TfrmAlignment() override;

    // Whether OK moved at least one element.
    bool Changed() const { return FChanged; }

    // The checked item of each group (0 is "no change").
    int HorizontalItem() const;
    int VerticalItem() const;

signals:
    // Raised by OK only when some element is about to get a new position,
    // before any moves; `applied` follows once every element is in place.
    void aboutToApply();
    void applied();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void LocalizeForm();
    void btnOkClick();
    void btnCancelClick();
    void ApplyChoices();
    QWidget *Panel() const;

    Ui::TfrmAlignment *ui;
    QButtonGroup *FHorizontal;
    QButtonGroup *FVertical;
    QList<QPointer<QWidget>> FElements;
    bool FChanged = false;
};
