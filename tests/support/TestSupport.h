#pragma once
// Shared start of every test program: a fresh set of XDG folders so that
// settings, custom colours and the log never touch the user's own, the
// offscreen platform, and the Qt test runner.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace TarvikTest {

// Points the per-user folders at a new temporary folder that lives as long
// as the returned object.
inline QTemporaryDir *isolateUserFolders()
{
    auto *home = new QTemporaryDir();
    const QString root = home->path();
    for (const char *sub : {"config", "data", "cache", "runtime"})
        QDir(root).mkpath(QLatin1String(sub));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + "/cache"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + "/runtime"));
    QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return home;
}

// A child widget or action by its object name; the test stops when there
// is none, so a renamed control fails loudly instead of crashing later.
template <typename T = QWidget>
T *Child(const QObject *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return child;
}

// A left click on the named button, as a user gives it.
inline void Click(const QObject *parent, const char *name)
{
    QTest::mouseClick(Child<QAbstractButton>(parent, name), Qt::LeftButton);
}

} // namespace TarvikTest

#define TARVIK_TEST_MAIN(TestObject)                                      \
    int main(int argc, char *argv[])                                      \
    {                                                                     \
        std::unique_ptr<QTemporaryDir> home(TarvikTest::isolateUserFolders()); \
        QApplication app(argc, argv);                                     \
        app.setOrganizationName(QStringLiteral("Renvald"));               \
        app.setApplicationName(QStringLiteral("Tarvik"));                 \
        TestObject tc;                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                        \
        return QTest::qExec(&tc, argc, argv);                             \
    }
