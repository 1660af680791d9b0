#pragma once
// The About window: program version, the language's flag and name. It closes
// when the mouse is released over it and whenever it loses activation.

#include <QDialog>

class QLabel;

class TfrmAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAboutBox(QWidget *parent = nullptr);

    QLabel *lblVersion = nullptr;
    QLabel *lblWhat = nullptr;
    QLabel *lblTranslated = nullptr;
    QLabel *imgFlag = nullptr;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void LocalizeForm();
    void setFrameStyle();
    bool FWasActive = false;
};
