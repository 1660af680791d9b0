#include "THelpWindow.h"

#include "ShippedData.h"
#include "uResource.h"

#include <QAction>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow *THelpWindow::instance()
{
    static QPointer<THelpWindow> window;
    if (!window)
        window = new THelpWindow;
    return window;
}


THelpWindow::THelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(StrOrEnglish(640));
    resize(640, 520);

    FBrowser = new QTextBrowser(this);
    FBrowser->setOpenExternalLinks(true);
    FBrowser->setSearchPaths({QStringLiteral(":/help")});

    auto *bar = new QToolBar(this);
    QAction *back = bar->addAction(QIcon::fromTheme(QStringLiteral("go-previous")), StrOrEnglish(645));
    QAction *contents = bar->addAction(StrOrEnglish(650));
    QAction *index = bar->addAction(StrOrEnglish(655));
    connect(back, &QAction::triggered, FBrowser, &QTextBrowser::backward);
    connect(FBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(contents, &QAction::triggered, this, &THelpWindow::ShowContents);
    connect(index, &QAction::triggered, this, &THelpWindow::ShowIndex);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(bar);
    v->addWidget(FBrowser);
}

QUrl THelpWindow::UrlOfPage(const QString &page)
{
    const QString file = ShippedData::Locate(QStringLiteral("help/") + page);
    return file.isEmpty() ? QUrl(QStringLiteral("qrc:/help/") + page) : QUrl::fromLocalFile(file);
}

QUrl THelpWindow::UrlOfContext(int context)
{
    QUrl url = UrlOfPage(QStringLiteral("contents.html"));
    url.setFragment(QStringLiteral("ctx%1").arg(context));
    return url;
}

void THelpWindow::showUrl(const QUrl &url)
{
    FBrowser->setSource(url);
    show();
    raise();
    activateWindow();
}

QUrl THelpWindow::currentUrl() const
{
    return FBrowser->source();
}

void THelpWindow::ShowContents()
{
    showUrl(UrlOfPage(QStringLiteral("contents.html")));
}

void THelpWindow::ShowIndex()
{
    showUrl(UrlOfPage(QStringLiteral("index.html")));
}

void THelpWindow::ShowContext(int context)
{
    showUrl(UrlOfContext(context));
}
