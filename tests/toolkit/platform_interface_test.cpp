#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "toolkit/platform/vClipboardPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vHandles.h"

namespace {

// A handle of one kind never goes where another kind is expected.
template <typename From, typename... To>
constexpr bool ConvertsToNone() {
    return (!std::is_convertible_v<From, To> && ...);
}
static_assert(ConvertsToNone<vWindowHandle, vMenuHandle, vImageWindowHandle, vTableWindowHandle>());
static_assert(ConvertsToNone<vMenuHandle, vWindowHandle, vImageWindowHandle, vTableWindowHandle>());
static_assert(ConvertsToNone<vImageWindowHandle, vWindowHandle, vMenuHandle, vTableWindowHandle>());
static_assert(ConvertsToNone<vTableWindowHandle, vWindowHandle, vMenuHandle, vImageWindowHandle>());

class EmptyClipboard : public vClipboardPlatform {
public:
    void SetClipboard(const std::vector<Format>&) override {}
    bool ClipboardData(const std::vector<std::string>&, std::string&) const override {
        return false;
    }
};

}  // namespace

// An override replaces its one service of the installed bundle and puts back what it replaced,
// nested ones in turn; the others stay as installed. With no window platform installed the
// do-nothing one answers.
TEST(PlatformBundle, OverridesReplaceOneServiceAndPutItBack) {
    vWindowPlatform windows;
    EmptyClipboard installed, outer, inner;
    vPlatform bundle;
    bundle.windows = &windows;
    bundle.clipboard = &installed;
    vPlatform::Install(bundle);
    {
        vPlatformOverride outerOverride(&vPlatform::clipboard, &outer);
        {
            vPlatformOverride innerOverride(&vPlatform::clipboard, &inner);
            EXPECT_EQ(vClipboardPlatform::Current(), &inner);
        }
        EXPECT_EQ(vClipboardPlatform::Current(), &outer);
        EXPECT_EQ(&vWindowPlatform::Current(), &windows);
        vPlatformOverride<vWindowPlatform> noWindows(&vPlatform::windows, nullptr);
        EXPECT_NE(&vWindowPlatform::Current(), &windows);
    }
    EXPECT_EQ(vClipboardPlatform::Current(), &installed);
    EXPECT_EQ(&vWindowPlatform::Current(), &windows);
    vPlatform::Uninstall();
    EXPECT_EQ(vClipboardPlatform::Current(), nullptr);
    EXPECT_NE(&vWindowPlatform::Current(), &windows);
}
