// For tests that compare ICF output byte for byte: a mismatch is shown as
// the difference of the two streams' listings.
//
//   EXPECT_ICF_EQ(expectedBytes, actualBytes);
#pragma once

#include "icfdump/IcfComparison.h"

#include <gtest/gtest.h>

#include <string>

inline ::testing::AssertionResult icfEqual(const char* expectedExpression, const char* actualExpression,
                                           const std::string& expected, const std::string& actual)
{
    const std::string difference = icfdump::icfDifference(expected, actual);
    if (difference.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ICF of " << actualExpression << " differs from " << expectedExpression
                                         << ":\n"
                                         << difference;
}

#define EXPECT_ICF_EQ(expected, actual) EXPECT_PRED_FORMAT2(icfEqual, expected, actual)
#define ASSERT_ICF_EQ(expected, actual) ASSERT_PRED_FORMAT2(icfEqual, expected, actual)
