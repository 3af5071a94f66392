// Helpers shared by the table tests: splitting a text at a separator, and the
// check that a text is written in Traditional characters.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "calendar/text.h"

namespace lunisol {

// Whether a text holds a part: what a test reads off a cell, never a rule.
inline bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

}  // namespace lunisol

namespace lunisol::text_checks {

// The parts of `text` between occurrences of `separator`, empty parts kept
// (so a doubled or trailing separator shows up as an empty part).
inline std::vector<std::u16string_view> Split(std::u16string_view text, std::u16string_view separator) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    if (at == std::u16string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

// Simplified forms of characters the almanac's texts use. Each one exists
// only in simplified writing, so finding it in a table means a text was typed
// or pasted in the wrong script. Simplified forms that are also Traditional
// characters in their own right are left out on purpose, since a correct text
// may hold them: 谷 (山谷, 鬼谷), 丰 (丰采), 叶 (叶韻), 广 and 儿 and 气
// (radicals), 万 (万俟), 与, 极, 圣, 愿 (鄉愿), 蚕, 扰, 听, 种 (a surname), 岭.
inline constexpr std::u16string_view kSimplifiedTraps =
    u"劳贵财禄荣华亲运业为门东来兴发达长乐无统号难时间岁经书题带积诗读职权宫恶灾"
    u"顺钱两图见识说话贫虽乡边阴阳宝务谁对这诞节龙马鱼虾湾农历师观萨罗关国陈张赵"
    u"刘郑孙钟苏吕鲸鲨鲳鲭鲔寿帅坛显泽庙医药萝葱麦齐头鸡猪灵阎转轮赐势祸丧伤动车"
    u"开谈庆鸾冲进还礼双过厉忧虑纷闲险备续谨让丝绵养盐饥仓树桥处实获须凤杀库";

inline bool IsSimplifiedTrap(char16_t c) { return kSimplifiedTraps.find(c) != std::u16string_view::npos; }

// Fails (without stopping the test) once per simplified character in `text`,
// naming the character, its position, `where` and the whole text.
inline void ExpectTraditional(std::u16string_view text, const std::string& where) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsSimplifiedTrap(text[i])) {
      ADD_FAILURE() << where << ": simplified " << ToUtf8(text.substr(i, 1)) << " at " << i << " in " << ToUtf8(text);
    }
  }
}

}  // namespace lunisol::text_checks
