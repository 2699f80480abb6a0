// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that the core without a toolkit gives in Russian (the machine's refusals, why a file
// operation failed, the program's title), in the interface's language.

#include <QString>

namespace velista {

// The contexts of the core's texts in the catalogue.
inline constexpr char CipherMachineContext[] = "velista::CipherMachine";
inline constexpr char FileErrorReasonContext[] = "velista::FileErrorReason";
inline constexpr char IdentityContext[] = "velista::identity";

// russian, one of the core's texts in context, translated; a text the catalogue lacks stays Russian.
QString CoreText(const char* context, const QString& russian);

}  // namespace velista
