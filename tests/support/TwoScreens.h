// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a Qt Test suite on the offscreen platform with two screens side by side, so that a window's place and
// size can be checked against the screen it opens on.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace velista::test {

template <typename Suite>
int RunOnTwoScreens(int argc, char** argv, const QRect& large, const QRect& small)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velista-screens-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(folder.errorString()));
        return 2;
    }
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(config), qPrintable(file.errorString()));
        return 2;
    }
    file.write(QStringLiteral(R"({"screens": [
        {"name": "large", "x": %1, "y": %2, "width": %3, "height": %4, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "small", "x": %5, "y": %6, "width": %7, "height": %8, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                   .arg(large.x()).arg(large.y()).arg(large.width()).arg(large.height())
                   .arg(small.x()).arg(small.y()).arg(small.width()).arg(small.height())
                   .toUtf8());
    file.close();
    // Named from the folder the file is in: the platform's arguments are separated by colons, and a
    // Windows path has one after its drive letter.
    QDir::setCurrent(folder.path());
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=screens.json"));
    QApplication app(argc, argv);
    Suite suite;
    return QTest::qExec(&suite, argc, argv);
}

}  // namespace velista::test
