#include "pages/dialog_log.h"

#include "model/decimal_text.h"
#include "protocol/catalogue.h"

namespace dorvik {

CDialogLog::CDialogLog(ConnectionEngine& engine, CLogView& view)
    : PageState<TabPage>(engine), view_(view) {
    engine.RegisterPage(PageRole::Log, this);
}

CDialogLog::~CDialogLog() {
    if (Engine().Page(PageRole::Log) == this) Engine().RegisterPage(PageRole::Log, nullptr);
}

void CDialogLog::OnGetEntireLog() { Download(ReadLog(Engine().Password())); }

void CDialogLog::OnGetLastEntries() {
    Download(ReadLogEntries(Engine().Password(), LeadingInt(lastCount_)));
}

void CDialogLog::OnDeleteLog() {
    view_.ClearLog();
    view_.ShowRow(0);
}

void CDialogLog::Download(const Request& request) {
    if (!CheckReadAllAllowed()) return;
    Engine().EnableAllPages(false);
    Engine().SendRequest(request.frame, request.code, request.ack);
    Engine().BeginReadAll();
}

}  // namespace dorvik
