#pragma once
// The log page below the log view: downloads the whole log or its last N
// entries from the unit (serial link only) and clears the table.
#include <string>

#include "pages/log_view.h"
#include "pages/page_state.h"
#include "protocol/request.h"

namespace dorvik {

class CDialogLog : public PageState<TabPage> {
public:
    // Registers itself with the engine as the log page; its two download
    // buttons start disabled.
    CDialogLog(ConnectionEngine& engine, CLogView& view);
    ~CDialogLog() override;

    // The "Get The Last" box; a view writes edits straight into it.
    std::string& LastCountText() { return lastCount_; }

    void OnGetEntireLog();
    // N from the "Get The Last" box; an empty or non-numeric box sends 0.
    void OnGetLastEntries();
    // Clears the table and shows its first row; nothing is sent.
    void OnDeleteLog();

private:
    void Download(const Request& request);

    CLogView& view_;
    std::string lastCount_;
};

}  // namespace dorvik
