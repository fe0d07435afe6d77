#include <gtest/gtest.h>

#include "platform/basic/runtime_error.h"

namespace {

TEST(ErrObject, RaiseKeepsAllThreePartsAndClearEmptiesThem) {
    platform::basic::ErrObject& err = platform::basic::Err();
    err.Raise(platform::basic::RuntimeError(-2147467259, QStringLiteral("数据源"),
                                            QStringLiteral("找不到文件")));
    EXPECT_EQ(&err, &platform::basic::Err());
    EXPECT_EQ(platform::basic::Err().Number, -2147467259);
    EXPECT_EQ(platform::basic::Err().Source, QStringLiteral("数据源"));
    EXPECT_EQ(platform::basic::Err().Description, QStringLiteral("找不到文件"));
    err.Clear();
    EXPECT_EQ(platform::basic::Err().Number, 0);
    EXPECT_TRUE(platform::basic::Err().Source.isEmpty());
    EXPECT_TRUE(platform::basic::Err().Description.isEmpty());
}

TEST(RuntimeError, WhatCarriesTheDescriptionInUtf8) {
    const platform::basic::RuntimeError error(6, QStringLiteral("Marlquin"),
                                              QStringLiteral("溢出"));
    EXPECT_STREQ(error.what(), "溢出");
}

}  // namespace
