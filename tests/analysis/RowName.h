#pragma once
// Names the rows of a data-driven suite after their name field.

#include <gtest/gtest.h>

#include <string>

namespace velista::analysis {

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

}  // namespace velista::analysis
