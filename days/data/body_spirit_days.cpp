// 人神所在日 (卷十 71b): the lunar days on which the body spirit stays where a
// razor or scissors would reach it (the hair, the whole body, the feet, the
// hands, the liver and feet).
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr BodySpiritRow kRows[] = {
    {12, u"剃頭", u"卷十 71b"},     {15, u"剃頭", u"卷十 71b"},     {1, u"整手足甲", u"卷十 71b"},
    {6, u"整手足甲", u"卷十 71b"},  {15, u"整手足甲", u"卷十 71b"}, {19, u"整手足甲", u"卷十 71b"},
    {21, u"整手足甲", u"卷十 71b"}, {23, u"整手足甲", u"卷十 71b"},
};

}  // namespace

const std::span<const BodySpiritRow> kBodySpiritRows{kRows};

}  // namespace lunisol
