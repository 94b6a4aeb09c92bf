#include "core/app/ProgramStart.h"

#include "core/ports/Dialogs.h"
#include "core/ports/JvLink.h"

namespace marovix {

bool checkJvLinkInstalled(JvLink& jvLink, Dialogs& dialogs) {
    if (jvLink.isInstalled()) return true;
    dialogs.beep();
    dialogs.information("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。");
    return false;
}

}  // namespace marovix
