#include "pages/list_page_base.h"

#include "protocol/text_format.h"

namespace dorvik {

ListPageBase::ListPageBase(ConnectionEngine& engine)
    : PageState<ListPageOps>(engine), run_(engine, *this) {}

ListPageBase::~ListPageBase() {
    if (unfollow_) unfollow_();
}

void ListPageBase::ShowUsed() {
    usedText_ = FormatText("%s %d/%d", {"Used", UsedCount(), SlotCount()});
    Touch();
}

void ListPageBase::SetSlotCount(int) { ShowUsed(); }

void ListPageBase::DownloadNext() {
    // A late confirmation after the run ended sends nothing more.
    if (!run_.Active() || !CheckConnected()) return;
    run_.Next();
}

void ListPageBase::OnDownloadAll() {
    if (!CheckConnected()) return;
    run_.Start();
}

void ListPageBase::OnGetFromUnit() {
    if (!CheckReadAllAllowed()) return;
    const Request request = ReadAllRequest();
    Engine().EnableAllPages(false);
    Engine().SendRequest(request.frame, request.code, request.ack);
    Engine().BeginReadAll();
    if (ReadAllClearsList()) Engine().SetFirstLineSeen(false);
}

bool ListPageBase::Passes(const char* error) {
    if (error) Error(error);
    return error == nullptr;
}

std::optional<int> ListPageBase::CheckedRow(std::string_view index, EmptyIndex empty) {
    const RowCheck check = ReadIndexField(index, SlotCount(), empty);
    if (!Passes(check.error)) return std::nullopt;
    return check.row;
}

bool ListPageBase::CheckDigits(std::string_view number) {
    return Passes(IsPhoneNumber(number) ? nullptr : kIlegalPhoneNumber);
}

}  // namespace dorvik
