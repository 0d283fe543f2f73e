// The go-to dialog's number rules under any sequence of keys, pastes, arrow clicks and focus
// changes: whatever the box holds, OK goes to an existing panel and Cancel changes nothing.
#include <cstdint>
#include <memory>

#include "app/Main.h"
#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakePlatform.h"

namespace pw {
namespace {

struct Program : fake::FakePlatform {
    AppState state;
    Main main{state, platform};
};

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    Program p;
    PW_FUZZ_CHECK(p.main.Form_Initialize());
    fake::FakeForm& window = p.ui.form("Main");
    const int count = in.ConsumeIntegralInRange(1, PanelStore::kMaxPanels);
    for (int i = 1; i < count; ++i) window.menu("PanelNew").click();
    const int current = in.ConsumeIntegralInRange(1, count);
    p.state.Panels.setCurrent(current);
    window.control("cmdGo").click();
    fake::FakeForm& dialog = p.ui.form("PanelNum");
    fake::FakeControl& box = dialog.control("txtNum");
    fake::FakeControl& upDown = dialog.control("UpDown");

    static constexpr char16_t kKeys[] = u"0123456789\b\b\b a.-+e";
    for (int steps = in.ConsumeIntegralInRange(0, 24); steps > 0; --steps) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
            case 0:
                box.type(std::u16string(1, kKeys[in.ConsumeIntegralInRange<std::size_t>(0, 19)]));
                break;
            case 1:
                upDown.spin(in.ConsumeBool() ? 1 : -1);
                break;
            case 2:
                box.paste(fuzz::TakeText(in, 16));
                break;
            case 3:
                dialog.control("Command2").setFocus();
                break;
            default:
                box.setFocus();
                break;
        }
        PW_FUZZ_CHECK(upDown.value() >= 0 && upDown.value() <= count + 1);
    }
    if (in.ConsumeBool()) {
        dialog.control("Command1").click();
        PW_FUZZ_CHECK(p.state.Panels.current() >= 1 && p.state.Panels.current() <= count);
    } else {
        dialog.press(27);
        PW_FUZZ_CHECK(p.state.Panels.current() == current);
    }
    PW_FUZZ_CHECK(window.enabled());
    PW_FUZZ_CHECK(p.state.Panels.count() == count);
    return 0;
}
