#pragma once
// What the four number list pages share: the used counter, the upload run
// ("Download All Phones" and its equivalents), the read-all command ("Get
// Numbers From Unit" and its equivalents) and the refusal of a bad field.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "pages/field_checks.h"
#include "pages/page_state.h"
#include "pages/upload_run.h"
#include "protocol/request.h"

namespace dorvik {

class ListPageBase : public PageState<ListPageOps>, protected UploadSlots {
public:
    ~ListPageBase() override;

    // Shows "Used n/N" for the list as it is now.
    void ShowUsed() override;
    // The list was rebuilt with n slots: the index checks and the counter
    // follow the list's own size, so that the two never disagree.
    void SetSlotCount(int n) override;
    void DownloadNext() override;

    // Sends every Pending slot to the unit, lowest first.
    void OnDownloadAll();
    // Reads the unit's whole list.
    void OnGetFromUnit();
    // Ends the running upload after the slot on its way (Stop, Ctrl-C of
    // the command-line tool); the later slots stay Pending.
    void StopRunAfterSlot() override { run_.StopAfterSlot(); }
    void EndRun() override { run_.Abort(); }
    // An upload is running (on the serial link; a modem upload is one
    // command per press).
    bool Uploading() const { return run_.Active(); }

    const std::string& UsedText() const { return usedText_; }
    int SlotCount() const override = 0;
    // The slot the running upload sent last; -1 before the first.
    int CurrentRow() const { return run_.CurrentRow(); }

protected:
    explicit ListPageBase(ConnectionEngine& engine);
    // Every change of the page's list (also one made by the reply handling)
    // is a change of the page, told to its view.
    template <class List>
    void FollowList(List& list) {
        list.SetChangeHook([this] { Touch(); });
        unfollow_ = [&list] { list.SetChangeHook(nullptr); };
    }

    virtual int UsedCount() const = 0;
    virtual Request ReadAllRequest() const = 0;
    // Whether the read-all's first data line clears the list (FirstLineSeen).
    virtual bool ReadAllClearsList() const { return true; }

    // Shows the message and returns false when a check failed (error is set).
    bool Passes(const char* error);
    // The row a 1-based Index field names; nothing, after the message, when refused.
    std::optional<int> CheckedRow(std::string_view index, EmptyIndex empty);
    // False, after "Ilegal phone number", unless every character is a digit.
    bool CheckDigits(std::string_view number);
    const std::string& Password() const { return Engine().Password(); }

private:
    UploadRun run_;
    std::string usedText_;
    std::function<void()> unfollow_;
};

}  // namespace dorvik
