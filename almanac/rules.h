// The special-day rules that label a day column with notes and warnings.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "almanac/month.h"
#include "calendar/vocabulary.h"

namespace lunisol {

enum class Season { kSpring, kSummer, kAutumn, kWinter };
// The season a term in force belongs to: spring from 立春 to 穀雨, ….
Season SeasonOf(SolarTerm term);

// Appends to the shorter of noteA/noteB (noteB on a tie, turning it red).
void AppendNote(DayAlmanacRecord& record, std::u16string_view text);
// Fills warningC, then warningD, then the shorter of the two.
void AppendWarning(DayAlmanacRecord& record, std::u16string_view text);
// Single-rule predicates, each true when the day carries the label; a term
// is the term in force on the day.
bool IsDeathDay(SolarTerm term, Branch dayBranch);     // 受死日
bool IsDaoZhen(SolarTerm term, Branch dayBranch);      // 刀砧
bool IsYangGongDay(const LunarDate& date);             // 楊公忌日
bool IsRedGauzeDay(SolarTerm term, Branch dayBranch);  // 正紅紗日
bool IsVisitingSickDay(Pillar day);                    // 探病凶日
bool IsNinePoisonDay(const LunarDate& date);           // 九毒日
bool IsPardonDay(SolarTerm term, Pillar day);          // 天赦日
// 真滅沒日 text for the day, or empty: by the day's moon phase (if any), its
// mansion and its lunar day.
std::u16string_view TrueExtinctionText(std::optional<MoonPhase> phase, Mansion mansion, int lunarDay);
// "麒麟日", "鳳凰日" or empty.
std::u16string_view UnicornPhoenixDay(SolarTerm term, Mansion mansion);

// The 四絕日/四離日 warning a term day gives the day before it, or empty.
std::u16string_view EveOfTermWarning(SolarTerm term);
// Places 探病凶日: into a short noteA, else an empty noteB, else nowhere.
void PlaceVisitingSickLabel(DayAlmanacRecord& record);

}  // namespace lunisol
