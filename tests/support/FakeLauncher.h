// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A launcher that knows a chosen set of files and programs (none unless the test adds them) and records
// every check and every start it was asked for.

#include "platform/ProgramLauncher.h"

#include <QSet>
#include <QStringList>

namespace velista::test {

class FakeLauncher final : public ProgramLauncher {
public:
    bool FileExists(const QString& path) const override
    {
        checked.append(path);
        return files.contains(path);
    }

    bool Start(const QString& path) override
    {
        starts.append(path);
        return startable.contains(path);
    }

    QSet<QString> files;
    QSet<QString> startable;
    mutable QStringList checked;
    QStringList starts;
};

}  // namespace velista::test
