#include "help/HelpCommands.h"

#include "settings/Settings.h"

namespace pw {

HelpCommands::HelpCommands(Ui& ui, Shell& shell, std::u16string programFolder, Form& main)
    : ui_(ui),
      velmora_(shell, std::move(programFolder)),
      main_(main),
      helpFile_(ProgramFilePath(velmora_.programFolder(), u"PWick.chm")) {}

HelpCommands::~HelpCommands() = default;

void HelpCommands::HelpContent_Click() { velmora_.Open(&main_, helpFile_); }

void HelpCommands::HelpReadMe_Click() {
    velmora_.Open(&main_, ProgramFilePath(velmora_.programFolder(), u"readme.txt"));
}

void HelpCommands::HelpAbout_Click() {
    if (about_ && about_->open()) return;
    // A closed dialog is only let go here, never inside one of its own events.
    about_ = std::make_unique<frmAbout>(ui_, velmora_, main_);
}

void HelpCommands::Unload() {
    if (about_) about_->Close();
}

}  // namespace pw
