// The special-day rules that label a day column with notes and warnings.
#pragma once

#include <array>
#include <string_view>

#include "almanac/month.h"

namespace lunisol {

enum class Season { kSpring, kSummer, kAutumn, kWinter };
Season SeasonOf(int termIndex);

// Appends to the shorter of noteA/noteB (noteB on a tie, turning it red).
void AppendNote(DayAlmanacRecord& record, std::u16string_view text);
// Fills warningC, then warningD, then the shorter of the two.
void AppendWarning(DayAlmanacRecord& record, std::u16string_view text);
// 受死日: the branch of the term pair the term index belongs to.
bool IsDeathDay(int termIndex, std::u16string_view branch);

// Single-rule predicates, each true when the day carries the label.
bool IsDaoZhen(int termIndex, int dayBranch);                // 刀砧
bool IsYangGongDay(int lunarMonth, int lunarDay);            // 楊公忌日
bool IsRedGauzeDay(int termIndex, int dayBranch);            // 正紅紗日
bool IsVisitingSickDay(std::u16string_view reversedPillar);  // 探病凶日
bool IsNinePoisonDay(int lunarMonth, int lunarDay);          // 九毒日
// 真滅沒日 text for the day, or empty.
std::u16string_view TrueExtinctionText(std::u16string_view noteA, std::u16string_view mansionName,
                                       std::u16string_view lunarDayText);
// "麒麟日", "鳳凰日" or empty.
std::u16string_view UnicornPhoenixDay(int termIndex, std::u16string_view mansionName);
bool IsPardonDay(int termIndex, int dayStem, int dayBranch);  // 天赦日

// The 四絕日/四離日 warning a term day gives the day before it, or empty.
std::u16string_view EveOfTermWarning(int termIndex);
// Places 探病凶日: into a short noteA, else an empty noteB, else nowhere.
void PlaceVisitingSickLabel(DayAlmanacRecord& record);

}  // namespace lunisol
