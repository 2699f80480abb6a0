#pragma once
// Starts programs and finds files through Qt.

#include "ProgramLauncher.h"

namespace velista {

class SystemLauncher final : public ProgramLauncher {
public:
    bool FileExists(const std::string& path) const override;
    bool Start(const std::string& path) override;
};

}  // namespace velista
