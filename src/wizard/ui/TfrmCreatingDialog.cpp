#include "TfrmCreatingDialog.h"
#include "ui_TfrmCreatingDialog.h"

#include "uResource.h"

#include <QApplication>
#include <QScreen>

TfrmCreatingDialog::TfrmCreatingDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(new Ui::TfrmCreatingDialog)
{
    ui->setupUi(this);
    setCursor(Qt::WaitCursor);
    FBlink.setInterval(500);
    connect(&FBlink, &QTimer::timeout, this, &TfrmCreatingDialog::Blink);
}

TfrmCreatingDialog::~TfrmCreatingDialog()
{
    delete ui;
}

void TfrmCreatingDialog::LocalizeForm()
{
    setWindowTitle(QApplication::applicationDisplayName());
    ui->lblCreating->setText(Str(5580));
}

void TfrmCreatingDialog::showEvent(QShowEvent *event)
{
    LocalizeForm();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FHighlighted = true;
    PaintLabel();
    FBlink.start();
    QDialog::showEvent(event);
}

void TfrmCreatingDialog::hideEvent(QHideEvent *event)
{
    FBlink.stop();
    QDialog::hideEvent(event);
}

void TfrmCreatingDialog::Blink()
{
    FHighlighted = !FHighlighted;
    PaintLabel();
}

void TfrmCreatingDialog::PaintLabel()
{
    QPalette p = ui->lblCreating->palette();
    p.setColor(QPalette::WindowText, FHighlighted ? QColor(0, 0, 128) : palette().color(QPalette::Window));
    ui->lblCreating->setPalette(p);
}
