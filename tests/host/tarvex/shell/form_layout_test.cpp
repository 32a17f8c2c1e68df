#include "tarvex/shell/form_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvex {
namespace {

TEST(FormLayout, TwipsAndPoints) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(8955, 96), 597);
    EXPECT_EQ(TwipsToPixels(1440, 120), 120);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
    EXPECT_EQ(PointsToPixels(8.25, 96), 11);
    EXPECT_EQ(PointsToPixels(20.25, 96), 27);
    EXPECT_EQ(PointsToPixels(8.25, 120), 14);
}

// Every control lies inside the form's client area, and inside its frame.
TEST(FormLayout, ControlsFitTheirForms) {
    for (const FormLayout* form : {&kMainFormLayout, &kSplashLayout}) {
        std::set<Control> ids;
        for (std::size_t i = 0; i < form->count; ++i) {
            const ControlRow& row = form->rows[i];
            SCOPED_TRACE(i);
            EXPECT_TRUE(ids.insert(row.id).second) << "ids are unique";
            int right = row.left + row.width, bottom = row.top + row.height;
            int width = form->client_width, height = form->client_height;
            if (row.parent != Control::None) {
                const ControlRow* frame = nullptr;
                for (std::size_t j = 0; j < i; ++j)
                    if (form->rows[j].id == row.parent) frame = &form->rows[j];
                ASSERT_TRUE(frame) << "the frame comes first";
                width = frame->width;
                height = frame->height;
            }
            EXPECT_LE(right, width);
            EXPECT_LE(bottom, height);
        }
    }
}

}  // namespace
}  // namespace tarvex
