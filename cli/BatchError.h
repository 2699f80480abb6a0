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
BatchError FileError(const std::string& what, const std::string& name, int error);

}  // namespace velista::cli
