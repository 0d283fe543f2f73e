// Big5=>GB and GB=>Big5 through the keyboard's accelerators.
#include "PenWickFixture.h"

namespace e2e {
namespace {

using Conversion = PenWick;

TEST_F(Conversion, FunctionKeysConvertThePanel) {
    Launch();
    ASSERT_TRUE(typeText(content, L"发展\r国语"));  // Enter gives CR LF
    // Keys as the keyboard delivers them: through the message queue and the accelerators.
    ASSERT_TRUE(post(content, WM_KEYDOWN, VK_F6, 1));
    ASSERT_TRUE(post(content, WM_KEYUP, VK_F6, 0xC0000001));
    EXPECT_TRUE(WaitContent(L"發展\r\n國語"));
    ASSERT_TRUE(post(content, WM_KEYDOWN, VK_F5, 1));
    ASSERT_TRUE(post(content, WM_KEYUP, VK_F5, 0xC0000001));
    EXPECT_TRUE(WaitContent(L"发展\r\n国语"));
}

}  // namespace
}  // namespace e2e
