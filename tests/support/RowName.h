// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names the rows of a data-driven GoogleTest suite, and prints them, by their name field.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace velista::test {

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info)
{
    return std::string(info.param.name);
}

// Found by argument-dependent lookup for the rows declared in this namespace.
template <typename Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

}  // namespace velista::test
