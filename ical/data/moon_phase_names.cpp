// Names of the moon's four principal phases, in the order of the phase lists
// (望, 下弦, 朔, 上弦 = lists 0..3): the names the page's notes use and that
// Taiwan's Central Weather Administration prints in its calendars.
#include "ical/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 4> kMoonPhaseNames{u"望", u"下弦", u"朔", u"上弦"};

}  // namespace lunisol
