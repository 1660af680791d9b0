#pragma once
// The small window that tells what the CDDB client is doing.

#include <QDialog>

class QLabel;

class TfrmStatusCDDB : public QDialog {
    Q_OBJECT
public:
    explicit TfrmStatusCDDB(QWidget *parent = nullptr);

    void SetMessage(const QString &text);
    QString Message() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *imgLogo = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *lblMessage = nullptr;
};
