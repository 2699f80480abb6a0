// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts programs and finds files through Qt.

#include "platform/ProgramLauncher.h"

namespace velista {

class SystemLauncher final : public ProgramLauncher {
public:
    bool FileExists(const QString& path) const override;
    bool Start(const QString& path) override;
};

}  // namespace velista
