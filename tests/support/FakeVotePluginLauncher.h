#pragma once
// A plug-in launcher for tests: records every start and can be told to refuse them.
#include <optional>
#include <string>
#include <vector>

#include "core/ports/VotePluginLauncher.h"

namespace marovix {

class FakeVotePluginLauncher : public VotePluginLauncher {
public:
    struct Start {
        std::string program;
        std::string parameter;
        std::string workingFolder;
        PluginWindow window = PluginWindow::Shown;
    };
    std::vector<Start> starts;  // every start asked for, refused ones too

    // From now on every start fails with this text (as a platform refusal would); nothing clears it.
    void refuseWith(std::string reason) { m_refusal = std::move(reason); }

    Status startDetached(const std::string& program, const std::string& parameter, const std::string& workingFolder,
                         PluginWindow window) override {
        starts.push_back({program, parameter, workingFolder, window});
        if (m_refusal) return Error{program + ": " + *m_refusal};
        return Status::success();
    }

private:
    std::optional<std::string> m_refusal;
};

}  // namespace marovix
