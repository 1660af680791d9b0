#include "TVelFontCombo.h"

#include <QCollator>
#include <QCompleter>
#include <QFontDatabase>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

// fontconfig reports a family offered by two foundries as "Name [foundry]";
// both select the same face by the plain name, so the picker shows that.
QString withoutFoundry(const QString &family)
{
    const qsizetype open = family.lastIndexOf(QLatin1String(" ["));
    if (open > 0 && family.endsWith(QLatin1Char(']')))
        return family.left(open);
    return family;
}

QStringList scalableFamilies()
{
    QStringList result;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family))
            continue;
        // fontconfig's generic names stand for whichever installed family
        // the desktop prefers; they are no font of their own.
        if (family == QLatin1String("Serif") || family == QLatin1String("Sans Serif")
            || family == QLatin1String("Monospace"))
            continue;
        result.append(withoutFoundry(family));
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(result.begin(), result.end(), [&collator](const QString &a, const QString &b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

} // namespace

const QStringList &TVelFontCombo::fontFamilies()
{
    static const QStringList families = scalableFamilies();
    return families;
}

TVelFontCombo::TVelFontCombo(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    addItems(fontFamilies());
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    setCurrentIndex(-1);

    connect(this, &QComboBox::textActivated, this, &TVelFontCombo::commitName);
    connect(lineEdit(), &QLineEdit::editingFinished, this,
            [this] { commitName(lineEdit()->text()); });
}

QString TVelFontCombo::fontName() const
{
    return currentText().trimmed();
}

void TVelFontCombo::setFontName(const QString &name)
{
    const int index = findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    if (index < 0)
        setEditText(name);
    FLastName = fontName();
}

void TVelFontCombo::showPopup()
{
    // Family names are often longer than the field; the list opens wide
    // enough to show them whole.
    if (FPopupWidth < 0) {
        const QFontMetrics fm(view()->font());
        int widest = 0;
        for (int i = 0; i < count(); ++i)
            widest = qMax(widest, fm.horizontalAdvance(itemText(i)));
        FPopupWidth = widest + 4 * fm.averageCharWidth()
                      + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
    }
    view()->setMinimumWidth(FPopupWidth);
    QComboBox::showPopup();
}

void TVelFontCombo::commitName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        // A cleared field names no font: show the last one again instead of
        // handing an empty name to the text.
        setFontName(FLastName);
        return;
    }
    if (trimmed == FLastName)
        return;
    FLastName = trimmed;
    emit fontChanged();
}
