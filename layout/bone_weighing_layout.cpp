#include "layout/bone_weighing_layout.h"

namespace lunisol {

namespace {

using K = BoneControlKind;
using T = BoneText;

// The captions' statics are sized by their text in the template.
constexpr int kCaptionWidth = 22, kCaptionHeight = 9;

}  // namespace

constexpr std::array<BoneControl, 15> kBoneWeighingControls = {{
    {K::kGroup, T::kCaption, {0, 2, 190, 25}, u"農曆出生日期"},
    {K::kLabel, T::kBirthLine, {6, 14, 178, 9}, u"年 :"},
    {K::kGroup, T::kCaption, {0, 30, 190, 71}, u"袁天罡秤骨術"},
    {K::kLabel, T::kCaption, {6, 43, kCaptionWidth, kCaptionHeight}, u"重 量 :"},
    {K::kLabel, T::kCaption, {6, 59, kCaptionWidth, kCaptionHeight}, u"命 評 :"},
    {K::kLabel, T::kCaption, {6, 74, kCaptionWidth, kCaptionHeight}, u"歌 謠 :"},
    {K::kSunken, T::kWeight, {30, 42, 154, 12}, u"", true},
    {K::kSunken, T::kVerdict, {30, 58, 154, 12}, u""},
    {K::kEdit, T::kSong, {30, 74, 154, 21}, u""},
    {K::kGroup, T::kCaption, {0, 105, 190, 56}, u"當日 28 星宿吉凶"},
    {K::kLabel, T::kCaption, {6, 118, kCaptionWidth, kCaptionHeight}, u"星 宿 :"},
    {K::kLabel, T::kCaption, {6, 133, kCaptionWidth, kCaptionHeight}, u"說 明 :"},
    {K::kSunken, T::kMansion, {30, 117, 27, 12}, u"", true},
    {K::kEdit, T::kDescription, {30, 133, 154, 22}, u""},
    // Beside the mansion: the line that says when its saying is ours.
    {K::kLabel, T::kOwnWriting, {62, 118, 122, 11}, u""},
}};

}  // namespace lunisol
