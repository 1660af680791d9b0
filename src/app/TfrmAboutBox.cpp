#include "TfrmAboutBox.h"

#include "EnglishStrings.h"
#include "uResource.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

TfrmAboutBox::TfrmAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmAboutBox"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle();

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tarvik.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(QStringLiteral("<b style='font-size:16pt'>Tarvik</b>"), this);
    title->setAlignment(Qt::AlignCenter);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);
    lblWhat = new QLabel(this);
    lblWhat->setObjectName(QStringLiteral("lblWhat"));
    lblWhat->setAlignment(Qt::AlignCenter);
    imgFlag = new QLabel(this);
    imgFlag->setObjectName(QStringLiteral("imgFlag"));
    imgFlag->setAlignment(Qt::AlignCenter);
    lblTranslated = new QLabel(this);
    lblTranslated->setObjectName(QStringLiteral("lblTranslated"));
    lblTranslated->setAlignment(Qt::AlignCenter);

    for (QLabel *l : {icon, title, lblVersion, lblWhat, imgFlag, lblTranslated})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(24, 20, 24, 20);
    v->setSpacing(8);
    v->addWidget(icon);
    v->addWidget(title);
    v->addWidget(lblVersion);
    v->addWidget(lblWhat);
    // The lines asking for mail and pointing to a web site are left out:
    // the program has no such addresses to name.
    v->addSpacing(8);
    v->addWidget(imgFlag);
    v->addWidget(lblTranslated);
    setFixedWidth(380);
    LocalizeForm();
}

void TfrmAboutBox::setFrameStyle()
{
    setStyleSheet(QStringLiteral("TfrmAboutBox { border: 1px solid palette(dark); }"));
}

void TfrmAboutBox::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(5500));
    // lines of this program's own, which an older module may lack
    const QString version = StrOrEnglish(5510);
    lblVersion->setText((version.contains(QLatin1String("%1")) ? version : EnglishString(5510)).arg(Str(1)));
    lblWhat->setText(StrOrEnglish(5520));
    lblTranslated->setText(Str(5570));
    // the language's flag, from the module in use; English shows none
    const QImage flag = LoadLanguageFlag(LanguageModuleInUse());
    imgFlag->setPixmap(QPixmap::fromImage(flag));
    imgFlag->setVisible(!flag.isNull());
}

void TfrmAboutBox::mouseReleaseEvent(QMouseEvent *)
{
    close();
}

void TfrmAboutBox::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        FWasActive = true;
    else if (FWasActive)
        close();
}
