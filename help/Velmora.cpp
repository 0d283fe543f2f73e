#include "help/Velmora.h"

namespace pw {

void Velmora::OpenMail(Form* owner) const {
    Open(owner, u"mailto:" + std::u16string(kMailAddress));
}

}  // namespace pw
