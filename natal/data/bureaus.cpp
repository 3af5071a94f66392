// 五行局: the 納音 element of the 命宮's stem and branch names the 局; its
// number is the age the first 大限 begins at, and it fixes where 長生 stands.
// Source: 《紫微斗數全書》起例, the 五行局 and the twelve stages of life
// (長生十二神).
//
// School choice: 土五局 sets 長生 in 申 with 水 (水土同宮), as Taiwanese charts
// do; a minority reading puts it in 寅.

#include "natal/rules.h"

namespace lunisol {

using rows::Branch;

const std::array<Bureau, 5> kBureaus{{
    {u'水', 2, u"水二局", Branch(u'申')},
    {u'木', 3, u"木三局", Branch(u'亥')},
    {u'金', 4, u"金四局", Branch(u'巳')},
    {u'土', 5, u"土五局", Branch(u'申')},
    {u'火', 6, u"火六局", Branch(u'寅')},
}};

}  // namespace lunisol
