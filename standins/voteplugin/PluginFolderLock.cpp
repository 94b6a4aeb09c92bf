#include "standins/voteplugin/PluginFolderLock.h"

#include "core/common/TextFile.h"

namespace marovix {

Result<PluginFolderLock> PluginFolderLock::acquire(const std::string& folder) {
    auto file = SystemFile::open(joinPath(folder, "VQMTohyoPlugIn2.lock"), SystemFile::Mode::Append);
    if (!file) return file.failure();
    if (Status locked = file->lockExclusive(); !locked) return locked.failure();
    return PluginFolderLock(std::move(*file));
}

}  // namespace marovix
