// Names the rows of a table-driven test after their `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace velk::test {

struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace velk::test
