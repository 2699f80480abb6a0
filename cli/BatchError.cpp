// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchError.h"

#include "cli/Utf8.h"
#include "files/FileErrorReason.h"

namespace velista::cli {

BatchError FileRefusal(const std::string& what, const std::string& name, const std::string& why)
{
    return BatchError(what + " " + Quoted(name) + ": " + why);
}

BatchError FileError(const std::string& what, const std::string& name, int error)
{
    return FileRefusal(what, name, FileErrorReason(error));
}

}  // namespace velista::cli
