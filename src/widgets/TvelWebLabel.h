#pragma once
// A label that shows an address as a hyperlink and opens it with the
// desktop's default handler when clicked. The address opened is Url, or the
// label's text while no Url is set.

#include <QLabel>
#include <QUrl>

class TvelWebLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl)

public:
    explicit TvelWebLabel(QWidget *parent = nullptr);
    explicit TvelWebLabel(const QString &text, QWidget *parent = nullptr);

    // The address that a click opens: Url when set, otherwise the text.
    QString url() const;
    void setUrl(const QString &url);

    // The address as the desktop needs it: a bare host or path gets
    // "http://", a bare mail address "mailto:". Empty for no address.
    static QUrl addressToUrl(const QString &address);

    // Opens the address; false when there is none or the desktop cannot.
    bool openUrl();

signals:
    void linkOpened(const QUrl &url);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyLinkLook();

    QString FUrl;
    bool FPressed = false;
};
