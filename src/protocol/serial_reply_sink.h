#pragma once
// The serial reply handlers as the engine sees them.
#include <string>

namespace dorvik {

class SerialReplySink {
public:
    virtual ~SerialReplySink() = default;
    // False for the codes whose bytes are not collected.
    virtual bool Collects(int requestCode) const = 0;
    // Handles one byte of the reply to the pending request; `line` is the
    // reply line being received, emptied by the handler at LF.
    virtual void OnByte(int requestCode, unsigned char byte, std::string& line) = 0;
};

}  // namespace dorvik
