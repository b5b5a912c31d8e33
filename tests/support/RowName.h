#pragma once
// Names each row of a parameterised suite after its `name` field, so that test names say
// what a row shows and stay the same from run to run.
#include <gtest/gtest.h>

#include <string>

namespace testsupport {

struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

} // namespace testsupport
