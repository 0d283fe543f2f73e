// Big5=>GB and GB=>Big5 on the panel on show.
#include "PenWickFixture.h"

namespace e2e {
namespace {

using Conversion = PenWick;

TEST_F(Conversion, MenuItemsConvertThePanelOnShowAndNothingElse) {
    Launch();
    ASSERT_TRUE(typeText(content, L"頭髮"));
    Command(u"面板(&P)", u"添加(&A)");
    ASSERT_TRUE(typeText(content, L"理發與頭髮"));
    Command(u"工具(&T)", u"Big5=>GB");
    EXPECT_TRUE(WaitContent(L"理发与头发"));
    ASSERT_TRUE(click(first));
    EXPECT_TRUE(WaitContent(L"頭髮")) << "another panel was touched";
    ASSERT_TRUE(click(last));
    EXPECT_TRUE(WaitContent(L"理发与头发")) << "the conversion did not reach the panel";

    Command(u"工具(&T)", u"GB=>Big5");
    EXPECT_TRUE(WaitContent(L"理髮與頭髮"));
    EXPECT_EQ(Position(), L"2/2");
}

TEST_F(Conversion, FunctionKeysConvertToo) {
    Launch();
    ASSERT_TRUE(typeText(content, L"发展"));
    // Keys as the keyboard delivers them: through the message queue and the accelerators.
    ASSERT_TRUE(post(content, WM_KEYDOWN, VK_F6, 1));
    ASSERT_TRUE(post(content, WM_KEYUP, VK_F6, 0xC0000001));
    EXPECT_TRUE(WaitContent(L"發展"));
    ASSERT_TRUE(post(content, WM_KEYDOWN, VK_F5, 1));
    ASSERT_TRUE(post(content, WM_KEYUP, VK_F5, 0xC0000001));
    EXPECT_TRUE(WaitContent(L"发展"));
}

TEST_F(Conversion, ASelectionIsIgnored) {
    Launch();
    ASSERT_TRUE(typeText(content, L"國語\r漢字"));  // Enter gives CR LF
    ASSERT_TRUE(send(content, EM_SETSEL, 0, 2).has_value());
    Command(u"工具(&T)", u"Big5=>GB");
    EXPECT_TRUE(WaitContent(L"国语\r\n汉字"));
}

TEST_F(Conversion, AnEmptyPanelStaysEmpty) {
    Launch();
    Command(u"工具(&T)", u"Big5=>GB");
    Command(u"工具(&T)", u"GB=>Big5");
    EXPECT_EQ(windowText(content), L"");
    EXPECT_EQ(Position(), L"1/1");
}

}  // namespace
}  // namespace e2e
