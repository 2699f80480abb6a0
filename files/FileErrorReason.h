// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file operation failed, in Russian, for a system error number; shared by the window and the tool.

#include <string>

namespace velista {

// The reason for errno `error`, such as "нет доступа"; an unknown number is named by its value.
std::string FileErrorReason(int error);

}  // namespace velista
