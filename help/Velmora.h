#pragma once
#include <string>
#include <string_view>

#include "platform/Form.h"
#include "platform/Shell.h"

namespace pw {

// The maker's addresses: placeholders until the maker's own are known.
inline constexpr std::u16string_view kHomePage = u"http://www.velmora.example.com/";
inline constexpr std::u16string_view kMailAddress = u"penwick@velmora.example.com";

// The maker's home page and mail, and the one way every help command uses the shell.
class Velmora {
  public:
    Velmora(Shell& shell, std::u16string programFolder)
        : shell_(shell), programFolder_(std::move(programFolder)) {}

    void OpenWebPage(Form* owner) const { Open(owner, kHomePage); }
    void OpenMail(Form* owner) const;
    // The target's default action, started maximised in the program folder.
    void Open(Form* owner, std::u16string_view target) const {
        shell_.open(owner, target, programFolder_);
    }
    const std::u16string& programFolder() const { return programFolder_; }

  private:
    Shell& shell_;
    std::u16string programFolder_;
};

}  // namespace pw
