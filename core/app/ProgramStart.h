#pragma once
// The first step of program start: is the JV-Link component there at all?

namespace marovix {

class Dialogs;
class JvLink;

// True when JV-Link is installed. Otherwise beeps, shows
// "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。" and returns false: the
// program then ends without showing a window.
bool checkJvLinkInstalled(JvLink& jvLink, Dialogs& dialogs);

}  // namespace marovix
