#include "TvelWebLabel.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>

TvelWebLabel::TvelWebLabel(QWidget *parent)
    : TvelWebLabel(QString(), parent)
{
}

TvelWebLabel::TvelWebLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    applyLinkLook();
}

QString TvelWebLabel::url() const
{
    return FUrl.isEmpty() ? text() : FUrl;
}

void TvelWebLabel::setUrl(const QString &url)
{
    FUrl = url;
    setToolTip(url);
}

QUrl TvelWebLabel::addressToUrl(const QString &address)
{
    const QString a = address.trimmed();
    if (a.isEmpty())
        return {};
    static const QRegularExpression mail(QStringLiteral(R"(^[^@\s:/]+@[^@\s:/]+\.[^@\s:/]+$)"));
    if (mail.match(a).hasMatch())
        return QUrl(QStringLiteral("mailto:") + a);
    return QUrl::fromUserInput(a);
}

bool TvelWebLabel::openUrl()
{
    const QUrl target = addressToUrl(url());
    if (!target.isValid() || target.isEmpty())
        return false;
    if (!QDesktopServices::openUrl(target))
        return false;
    emit linkOpened(target);
    return true;
}

void TvelWebLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        FPressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void TvelWebLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && FPressed) {
        FPressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            openUrl();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void TvelWebLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        event->accept();
        openUrl();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TvelWebLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        applyLinkLook();
}

void TvelWebLabel::applyLinkLook()
{
    // Setting the font or palette here raises the same change events again;
    // only act when something is not yet as it should be.
    if (!font().underline()) {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
    }
    const QColor link = palette().color(QPalette::Link);
    if (palette().color(QPalette::WindowText) != link) {
        QPalette pal = palette();
        pal.setColor(QPalette::Active, QPalette::WindowText, link);
        pal.setColor(QPalette::Inactive, QPalette::WindowText, link);
        setPalette(pal);
    }
}
