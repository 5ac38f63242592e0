#pragma once
// The short-message store: the items read from a message list, with a
// cursor that walks them front to back.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "transport/sms_item.h"

namespace dorvik {

class CShortMessage {
public:
    // Reads a modem's answer to a list request (command echo, "+CMGL:" lines
    // each followed by its PDU, "OK") and appends one item per PDU line that
    // decodes. Sets the after-last flag when the store is then empty.
    void ParseMessageList(std::string_view listText);

    std::size_t Count() const { return items_.size(); }
    const CSMSItem& At(std::size_t i) const { return items_.at(i); }
    // The item at the cursor; nullptr when the store is empty.
    const CSMSItem* Current() const;
    // Texts of the item at the cursor; empty when there is none.
    std::string CurrentSender() const;
    std::string CurrentBody() const;
    std::string CurrentTime() const;

    // Advances the cursor; at the last item sets the after-last flag instead
    // and keeps the cursor there.
    void MoveNext();
    bool IsBeforeFirst() const { return beforeFirst_; }
    bool IsAfterLast() const { return afterLast_; }
    const std::string& ListText() const { return listText_; }

private:
    std::vector<CSMSItem> items_;
    std::string listText_;
    std::size_t cursor_ = 0;
    bool beforeFirst_ = true;
    bool afterLast_ = false;
};

}  // namespace dorvik
