#pragma once
// The program's questions and messages: message boxes with the application
// title as caption. Tests install an answerer so nothing waits for a click.

#include <QMessageBox>
#include <QString>

#include <functional>

namespace MessageBoxes {

// Yes, No and Cancel with the question icon; returns the button pressed.
QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &text);
// Yes and No with the question icon.
QMessageBox::StandardButton AskYesNo(QWidget *parent, const QString &text);
// Any buttons, any icon, and the button that Enter presses.
QMessageBox::StandardButton Ask(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
// An information message with OK.
void ShowMessage(QWidget *parent, const QString &text);
// A warning with OK.
void ShowWarning(QWidget *parent, const QString &text);
// An error with OK.
void ShowError(QWidget *parent, const QString &text);

// The answerer sees the icon and text of every box and returns the button;
// pass an empty function to show real boxes again.
using TAnswerer = std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString &)>;
void SetAnswerer(TAnswerer answerer);

} // namespace MessageBoxes
