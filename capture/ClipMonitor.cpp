// The clipboard monitor: text copied elsewhere while the window is hidden becomes a panel.
#include "app/Main.h"

namespace pw {

std::optional<ClipboardText> Main::ReadClipboard() {
    const std::uint32_t sequence = platform_.clipboard.sequenceNumber();
    auto clip = platform_.clipboard.read();
    clipSequence_ = sequence;
    clipSequenceKnown_ = clip.has_value() && sequence != 0;
    return clip;
}

std::u16string Main::CurrentClipText() {
    auto clip = ReadClipboard();
    return clip ? clip->text : std::u16string();
}

void Main::ClipTimer_Timer() {
    // An unchanged clipboard still holds LastClipText: nothing to read, nothing to decide.
    if (clipSequenceKnown_ && platform_.clipboard.sequenceNumber() == clipSequence_) return;
    auto clip = ReadClipboard();
    // Another program holds the clipboard: leave everything as it is and read it next time,
    // so that its text is captured then rather than lost.
    if (!clip) return;

    const std::u16string& text = clip->text;
    const Settings& s = state_.settings;
    const bool seen =
        form_->visible() || clip->confidential || text.empty() || text == state_.LastClipText;
    const bool tooShort = s.Limit != 0 && static_cast<std::int64_t>(text.size()) <= s.Limit;
    if (!seen && !tooShort && !state_.Panels.holds(text)) Capture(text);
    state_.LastClipText = text;
}

void Main::Capture(const std::u16string& text) {
    PanelStore& panels = state_.Panels;
    // With 99 panels the warning has been shown and nothing is stored.
    if (!panels.text(panels.count()).empty() && !AddPanel()) return;
    const Settings& s = state_.settings;
    if (s.ShowMain) ShowMainWindow();
    if (s.PlaySound) platform_.sound.playAsync(s.SoundFile);
    AlertTicks = 0;
    AlertPhase = false;
    form_->timer("AlertTimer").setEnabled(true);
    panels.setCurrent(panels.count());
    panels.setText(panels.count(), text);
    ShowPanel();
}

void Main::TrayClip_Click() {
    Settings& s = state_.settings;
    s.GetClip = !s.GetClip;
    form_->menu("TrayClip").setChecked(s.GetClip);
    form_->timer("ClipTimer").setEnabled(s.GetClip);
    if (s.GetClip) state_.LastClipText = CurrentClipText();
    tray_.UpdateTrayIcon();
    SaveSettings(platform_.registry, platform_.programFolder, s);
}

}  // namespace pw
