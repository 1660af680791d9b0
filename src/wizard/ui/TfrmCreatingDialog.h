#pragma once
// The small window shown while the wizard builds a cover: "Please wait..."
// blinking between navy and the window's colour every 500 ms while it is
// shown. It stays on top, centred on the screen, with the hourglass.

#include <QDialog>
#include <QTimer>

namespace Ui {
class TfrmCreatingDialog;
}

class TfrmCreatingDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCreatingDialog(QWidget *parent = nullptr);
    ~TfrmCreatingDialog() override;

    // Whether the label shows navy now (it alternates while shown).
    bool Highlighted() const { return FHighlighted; }
    bool Blinking() const { return FBlink.isActive(); }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void LocalizeForm();
    void Blink();
    void PaintLabel();

    Ui::TfrmCreatingDialog *ui;
    QTimer FBlink;
    bool FHighlighted = true;
};
