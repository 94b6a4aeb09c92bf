#pragma once
// The alert sounds of automatic operation and the timing window: files played asynchronously through the
// sound port. A file that is not there is reported (a line for the error log), never played and never
// fatal: a race day goes on without its sound.
#include <functional>
#include <string>

namespace marovix {

class Sound;

// The text reported for a sound file that cannot be found.
std::string missingSoundText(const std::string& path);

// Plays `path` through `sound`, or reports it to `report` when it is no file.
void playSoundFile(Sound& sound, const std::string& path, const std::function<void(const std::string&)>& report);

}  // namespace marovix
