// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file that cannot be read or written, with the message for the user.

#include <stdexcept>
#include <string>

namespace velista::cli {

class BatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "не удаётся прочитать «name»: reason", with the reason for errno in Russian.
// "what «name»: why", the name escaped for the terminal.
BatchError FileRefusal(const std::string& what, const std::string& name, const std::string& why);
// The same with the Russian reason for errno's value.
BatchError FileError(const std::string& what, const std::string& name, int error);

}  // namespace velista::cli
