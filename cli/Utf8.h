#pragma once
// Strict UTF-8 to UTF-16, for the key given on the command line.

#include <optional>
#include <string>
#include <string_view>

namespace velista::cli {

// Nothing when the bytes are not well-formed UTF-8.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);

}  // namespace velista::cli
