#include "TfrmAlignment.h"
#include "ui_TfrmAlignment.h"

#include "AlignArithmetic.h"
#include "CenterOnScreen.h"
#include "uResource.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>
#include <QShowEvent>

namespace {

// The items of the two groups, as string ids, for one element and for several.
const QList<int> HorizontalSingle = {3520, 3700, 3710, 3720};
const QList<int> HorizontalSeveral = {3520, 3530, 3540, 3550, 3560};
const QList<int> VerticalSingle = {3580, 3730, 3740, 3750};
const QList<int> VerticalSeveral = {3580, 3590, 3600, 3610, 3620, 3630};

// Gives the group exactly these items, reusing the buttons it has, and
// checks the first.
void SetItems(QGroupBox *group, QButtonGroup *buttons, const QList<int> &ids)
{
    QList<QAbstractButton *> items = buttons->buttons();
    while (items.size() > ids.size()) {
        QAbstractButton *b = items.takeLast();
        buttons->removeButton(b);
        delete b;
    }
    while (items.size() < ids.size()) {
        auto *b = new QRadioButton(group);
        b->setObjectName(QStringLiteral("%1_item%2").arg(group->objectName()).arg(items.size()));
        // before the closing spacer, which keeps the items at the top
        static_cast<QBoxLayout *>(group->layout())->insertWidget(int(items.size()), b);
        buttons->addButton(b, int(items.size()));
        items.append(b);
    }
    for (int i = 0; i < ids.size(); ++i)
        items[i]->setText(Str(ids[i]));
    items.first()->setChecked(true);
}

} // namespace

TfrmAlignment::TfrmAlignment(const QList<QWidget *> &elements, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::TfrmAlignment)
{
    ui->setupUi(this);
    FHorizontal = new QButtonGroup(this);
    FVertical = new QButtonGroup(this);
    for (QWidget *e : elements)
        FElements.append(e);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfrmAlignment::btnOkClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmAlignment::btnCancelClick);
    // The groups are filled before the first showing too, so the dialog's
    // size is known and its items can be read at once.
    FormActivate();
}

TfrmAlignment::~TfrmAlignment()
{
    delete ui;
}

int TfrmAlignment::HorizontalItem() const
{
    return FHorizontal->checkedId();
}

int TfrmAlignment::VerticalItem() const
{
    return FVertical->checkedId();
}

void TfrmAlignment::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        FormActivate();
        CenterOnScreen(this);
    }
    QDialog::showEvent(event);
}

// Texts and items follow the language and the number of elements; both
// groups start at "no change". This runs when the dialog is shown, not on
// every activation, so a choice survives switching to another window.
void TfrmAlignment::FormActivate()
{
    LocalizeForm();
    int count = 0;
    for (const QPointer<QWidget> &e : FElements)
        count += e ? 1 : 0;
    const bool single = count < 2;
    SetItems(ui->rgHorizontal, FHorizontal, single ? HorizontalSingle : HorizontalSeveral);
    SetItems(ui->rgVertical, FVertical, single ? VerticalSingle : VerticalSeveral);
}

void TfrmAlignment::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(3500));
    ui->rgHorizontal->setTitle(Str(3510));
    ui->rgVertical->setTitle(Str(3570));
    ui->btnOk->setText(Str(3800));
    ui->btnCancel->setText(Str(3810));
}

QWidget *TfrmAlignment::Panel() const
{
    for (const QPointer<QWidget> &e : FElements)
        if (e)
            return e->parentWidget();
    return nullptr;
}

void TfrmAlignment::btnOkClick()
{
    hide();
    ApplyChoices();
    if (QWidget *panel = Panel())
        panel->update();
    accept();
}

void TfrmAlignment::btnCancelClick()
{
    hide();
    if (QWidget *panel = Panel())
        panel->update();
    reject();
}

void TfrmAlignment::ApplyChoices()
{
    QList<QWidget *> elements;
    for (const QPointer<QWidget> &e : FElements)
        if (e)
            elements.append(e);
    QWidget *panel = Panel();
    if (elements.isEmpty() || !panel)
        return;

    std::vector<QRect> rects;
    for (QWidget *e : elements)
        rects.push_back(e->geometry());
    const std::vector<QPoint> positions =
        AlignmentDialogPositions(rects, panel->size(), HorizontalItem(), VerticalItem());

    bool moves = false;
    for (int i = 0; i < elements.size(); ++i)
        moves = moves || positions[i] != rects[i].topLeft();
    if (!moves)
        return;

    emit aboutToApply();
    for (int i = 0; i < elements.size(); ++i)
        elements[i]->move(positions[i]);
    FChanged = true;
    emit applied();
}
