#pragma once
// ReadCancelled: the cancel flag of the JV-Link read loops. A cancel of the download raises it; every
// read loop stops before its next record while it is raised; each download and each real-time fetch
// lowers it when it starts, so a cancel never reaches past the run it was meant for.

namespace marovix {

class ReadCancelFlag {
public:
    void raise() { m_raised = true; }
    void lower() { m_raised = false; }
    bool raised() const { return m_raised; }

private:
    bool m_raised = false;
};

}  // namespace marovix
