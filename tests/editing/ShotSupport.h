#pragma once
// Pictures of windows for a person to look at: with TARVIK_SHOTS_DIR set,
// the tests that open a dialog save what it shows there as PNG files.

#include <QDir>
#include <QWidget>

inline void SaveShot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("TARVIK_SHOTS_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
