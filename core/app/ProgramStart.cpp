#include "core/app/ProgramStart.h"

#include "core/app/Dialogs.h"
#include "core/jv/JvLink.h"

namespace marovix {

bool checkJvLinkInstalled(JvLink& jvLink, Dialogs& dialogs) {
    if (jvLink.isInstalled()) return true;
    dialogs.beep();
    dialogs.information("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。");
    return false;
}

}  // namespace marovix
