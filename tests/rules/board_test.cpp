#include "headless/headless_toolkit.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

namespace {
using zanfira::headless::HeadlessToolkit;

TEST(Board, SlidesTheTileNextToTheBlank)
{
    HeadlessToolkit toolkit;
    zanfira::ui::Form1 form(toolkit);
    form.show();
    toolkit.click("tres");
    EXPECT_EQ(toolkit.caption("quatro"), "04");
    EXPECT_EQ(toolkit.caption("tres"), "");
    toolkit.click("lig");
    toolkit.advance(60'500);
    ASSERT_EQ(toolkit.messageBoxes().size(), 1U);
    EXPECT_EQ(toolkit.statusText(), "60 segundos");
}
} // namespace
