#include "MessageBoxes.h"

#include <QApplication>

namespace MessageBoxes {

namespace {

TAnswerer &answerer()
{
    static TAnswerer a;
    return a;
}

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    if (answerer())
        return answerer()(icon, text);
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Question, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

QMessageBox::StandardButton AskYesNo(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
}

QMessageBox::StandardButton Ask(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(parent, icon, text, buttons, defaultButton);
}

void ShowMessage(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

void ShowWarning(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Warning, text, QMessageBox::Ok);
}

void ShowError(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

void SetAnswerer(TAnswerer a)
{
    answerer() = std::move(a);
}

} // namespace MessageBoxes
