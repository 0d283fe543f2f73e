// The go-to dialog's number rules under any sequence of keys, pastes, arrow clicks and focus
// changes: whatever the box holds, OK (or Enter) goes to an existing panel, any other way of
// closing changes nothing, and the main window is usable again.
#include <cstdint>
#include <functional>

#include "app/Main.h"
#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakePlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    fake::FakePlatform fakes;
    AppState state;
    Main main{state, fakes.platform};
    PW_FUZZ_CHECK(main.Form_Initialize());
    fake::FakeForm& window = fakes.ui.form("Main");
    const int count = in.ConsumeIntegralInRange(1, PanelStore::kMaxPanels);
    for (int i = 1; i < count; ++i) window.menu("PanelNew").click();
    const int current = in.ConsumeIntegralInRange(1, count);
    state.Panels.setCurrent(current);
    window.control("cmdGo").click();
    fake::FakeForm& dialog = fakes.ui.form("PanelNum");
    fake::FakeControl& box = dialog.control("txtNum");
    fake::FakeControl& upDown = dialog.control("UpDown");

    static constexpr char16_t kKeys[] = u"0123456789\b\b\b a.-+e";
    const std::function<void()> actions[] = {
        [&] { box.type(std::u16string(1, kKeys[in.ConsumeIntegralInRange<std::size_t>(0, 19)])); },
        [&] { upDown.spin(in.ConsumeBool() ? 1 : -1); },
        [&] { box.paste(fuzz::TakeText(in, 16)); },
        [&] { dialog.control("Command2").setFocus(); },
        [&] { box.setFocus(); },
    };
    for (int steps = in.ConsumeIntegralInRange(0, 24); steps > 0; --steps) {
        actions[in.ConsumeIntegralInRange(0, 4)]();
        PW_FUZZ_CHECK(upDown.value() >= 0 && upDown.value() <= count + 1);
    }
    // Every way of closing: OK by a click, which takes the focus from the box first, or by Enter,
    // which does not; Esc, the title bar and the end of the session; the program's exit.
    const std::function<void()> closers[] = {
        [&] { dialog.control("Command1").click(); },
        [&] { dialog.press(u'\r'); },
        [&] { dialog.press(27); },
        [&] { dialog.closeFromFrame(); },
        [&] { dialog.endSession(); },
        [&] { window.menu("TrayQuit").click(); },
    };
    const int closer = in.ConsumeIntegralInRange(0, 5);
    closers[closer]();
    PW_FUZZ_CHECK(dialog.destroyed() && window.enabled() && window.destroyed() == (closer == 5));
    if (closer < 2)
        PW_FUZZ_CHECK(state.Panels.current() >= 1 && state.Panels.current() <= count);
    else
        PW_FUZZ_CHECK(state.Panels.current() == current);
    PW_FUZZ_CHECK(state.Panels.count() == count);
    return 0;
}
