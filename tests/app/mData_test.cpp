#include <gtest/gtest.h>

#include "app/mData/mData.h"

TEST(ShowErrorInfo, TextHasFourLines) {
    EXPECT_EQ(mData::ErrorInfoText(-5, "src", "desc"),
              QStringLiteral("发生错误 #-5\r\n错误源： src\r\n\r\nDescription: desc"));
}
