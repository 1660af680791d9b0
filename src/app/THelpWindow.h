#pragma once
// The program's help: a window over the help pages. Pages installed with the
// program (share/tarvik/help, see ShippedData.h) are shown when found, so they
// can be updated or replaced without a new program; otherwise the copies
// compiled into the program. F1 opens the page of a context number; the two
// help commands open the contents and the keyword index.

#include <QWidget>

class QTextBrowser;

class THelpWindow : public QWidget
{
    Q_OBJECT
public:
    static THelpWindow *instance();

    void ShowContents();
    void ShowIndex();
    void ShowContext(int context);

    // A help page ("contents.html") from where it is found.
    static QUrl UrlOfPage(const QString &page);
    // The page and anchor a context number opens.
    static QUrl UrlOfContext(int context);
    QUrl currentUrl() const;

private:
    explicit THelpWindow(QWidget *parent = nullptr);
    void showUrl(const QUrl &url);

    QTextBrowser *FBrowser;
};
