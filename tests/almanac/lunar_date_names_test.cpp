#include "almanac/lunar_date_names.h"

#include <gtest/gtest.h>

namespace lunisol {

TEST(LunarDateNames, AsAlmanacsWriteThem) {
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 1, 1)), u"正月初一");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, -6, 15)), u"閏六月十五");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 12, 30)), u"十二月三十");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 11, 20)), u"十一月二十");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 2, 21)), u"二月廿一");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 10, 10)), u"十月初十");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, -4, 30)), u"閏四月三十");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 13, 1)), u"");
  EXPECT_EQ(LunarDateName(LunarDateFromSigned(2009, 1, 0)), u"");
  EXPECT_EQ(LunarMonthName(11, true), u"閏十一月");
  EXPECT_EQ(LunarMonthName(1, false), u"正月");
  EXPECT_EQ(LunarMonthName(0, false), u"");
}

}  // namespace lunisol
