#include "uStatusCDDB.h"

#include "DiscLogo.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfrmStatusCDDB::TfrmStatusCDDB(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("FreeDB"));
    setModal(false);

    imgLogo = new QLabel(this);
    imgLogo->setPixmap(DiscLogo(48));
    imgLogo->setAlignment(Qt::AlignTop);

    lblStatus = new QLabel(QStringLiteral("Status"), this);
    QFont bold = lblStatus->font();
    bold.setBold(true);
    lblStatus->setFont(bold);

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    lblMessage = new QLabel(panel);
    lblMessage->setWordWrap(true);
    lblMessage->setMinimumSize(260, 40);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(lblMessage);

    auto *right = new QVBoxLayout;
    right->addWidget(lblStatus);
    right->addWidget(panel, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(imgLogo);
    layout->addLayout(right, 1);
}

void TfrmStatusCDDB::SetMessage(const QString &text)
{
    lblMessage->setText(text);
}

QString TfrmStatusCDDB::Message() const
{
    return lblMessage->text();
}

void TfrmStatusCDDB::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
