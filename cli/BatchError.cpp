// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchError.h"

#include "cli/Utf8.h"
#include "files/FileErrorReason.h"

namespace velista::cli {

BatchError FileError(const std::string& what, const std::string& name, int error)
{
    return BatchError(what + " «" + EscapeForTerminal(name) + "»: " + FileErrorReason(error));
}

}  // namespace velista::cli
