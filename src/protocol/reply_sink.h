#pragma once
// The reply handlers as the engine sees them.
#include <string>

namespace dorvik {

class ReplySink {
public:
    virtual ~ReplySink() = default;
    // False for the codes whose bytes are not collected.
    virtual bool Collects(int requestCode) const = 0;
    // Handles one byte of the reply to the pending request; `line` is the
    // reply line being received, emptied by the handler at LF.
    virtual void OnByte(int requestCode, unsigned char byte, std::string& line) = 0;
    // Handles a short message from the unit that answers the pending request.
    virtual void DispatchMessageReply(const std::string& body, int requestCode,
                                      const std::string& ack) = 0;
};

}  // namespace dorvik
