// Where the yearly notes sheet's texts sit: template texts in dialog units,
// labels in pixels, in the order the sheet creates them.
#include "layout/yearly_notes_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

TEST(YearlyNotesLayout, TemplateTextsAndLabels) {
  EXPECT_EQ(kYearlyNotesTemplateTexts[0].id, 1199);
  EXPECT_EQ(kYearlyNotesTemplateTexts[1].id, 1200);
  // The corner words in cell order; 1205 stands at x 40.
  for (size_t i = 2; i < 10; ++i) EXPECT_EQ(kYearlyNotesTemplateTexts[i].id, 1199 + static_cast<int>(i));
  EXPECT_EQ(kYearlyNotesTemplateTexts[6].place.x, 40);
  // A corner word gets a cell one character wide; the god columns keep theirs.
  EXPECT_EQ(YearlyTemplateTextRect(kYearlyNotesTemplateTexts[6]), (Rect{80, 56, 98, 74}));
  EXPECT_EQ(YearlyTemplateTextRect(kYearlyNotesTemplateTexts[0]), (Rect{470, 6, 488, 88}));

  EXPECT_EQ(kYearlyNotesLabels[0], (Rect{464, 90, 476, 146}));    // Na Yin
  EXPECT_EQ(kYearlyNotesLabels[15], (Rect{464, 507, 492, 523}));  // 合德 stems
  EXPECT_EQ(kYearlyNotesLabels[22], (Rect{402, 68, 414, 398}));   // fourth verse line
  EXPECT_EQ(kYearlyNotesLabels[25], (Rect{356, 68, 368, 398}));   // third oracle line
  EXPECT_EQ(kYearlyNotesLabels[32], (Rect{356, 462, 374, 522}));  // fifth year note
  EXPECT_EQ(kYearlyNotesLabels[38], (Rect{180, 328, 192, 529}));  // fifth ox column
  EXPECT_EQ(kYearlyNotesLabels[45], (Rect{75, 328, 87, 529}));    // last herdsman column
  EXPECT_EQ(kYearlyNotesLabels[58], (Rect{212, 208, 225, 220}));  // ring step 5, number
  EXPECT_EQ(kYearlyNotesLabels[71], (Rect{3, 26, 15, 205}));      // 末伏
  EXPECT_EQ(kYearlyNotesLabels[76], (Rect{7, 236, 19, 430}));     // 出液
}

TEST(YearlyNotesLayout, EveryLabelStaysInsideTheDialog) {
  const Rect client = kSystem10Units.rect(kYearlyNotesFrame.size);
  for (const Rect& r : kYearlyNotesLabels) {
    EXPECT_FALSE(r.empty());
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.right, client.right);
    EXPECT_LE(r.bottom, client.bottom);
  }
}
