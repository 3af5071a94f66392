// The controls of the bone-weighing dialog (袁天罡秤骨術 與 28 星宿吉凶),
// template 133 in "System" 10-point dialog units, in the template's order.
#pragma once

#include <array>
#include <string_view>

#include "layout/dialog_units.h"

namespace lunisol {

enum class BoneControlKind { kGroup, kLabel, kSunken, kEdit };

// Which text of the reading a control shows; kCaption: its own caption.
enum class BoneText { kCaption, kBirthLine, kSong, kWeight, kVerdict, kMansion, kDescription, kOwnWriting };

struct BoneControl {
  BoneControlKind kind;
  BoneText shows;
  UnitRect place;
  std::u16string_view caption;
  bool centred = false;  // else left-aligned, vertically centred
};
extern const std::array<BoneControl, 15> kBoneWeighingControls;

inline constexpr UnitRect kBoneWeighingSize{0, 0, 190, 162};

}  // namespace lunisol
