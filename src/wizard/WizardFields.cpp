#include "WizardFields.h"

namespace WizardFields {

bool IsNumberFormat(const QString &format)
{
    return format.contains(QLatin1Char('#'));
}

QString NumberPrefix(const QString &format, int index, bool twoDigits)
{
    QString number = QString::number(index + 1);
    if (twoDigits && number.size() == 1)
        number.prepend(QLatin1Char('0'));
    const qsizetype at = format.indexOf(QLatin1Char('#'));
    if (at < 0)
        return format;
    return format.left(at) + number + format.mid(at + 1);
}

QString SpineDefault(const QString &title, const QString &author, bool artistBeforeTitle)
{
    if (title.isEmpty() || author.isEmpty())
        return {};
    const QString gap = QStringLiteral(" - ");
    return artistBeforeTitle ? author + gap + title : title + gap + author;
}

QSize PreviewSize(QSize picture)
{
    const int w = picture.width(), h = picture.height();
    if (w <= PreviewSide && h <= PreviewSide)
        return picture;
    if (w > h)
        return QSize(PreviewSide, h * PreviewSide / w);
    return QSize(w * PreviewSide / h, PreviewSide);
}

} // namespace WizardFields
