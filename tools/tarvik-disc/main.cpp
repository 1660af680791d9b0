#include "DiscTool.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Renvald"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return DiscTool::Run(QCoreApplication::arguments(), out, err);
}
