#pragma once
// The four number list pages of one main window, registered with its
// connection engine. The main window creates one ListPages, hands
// Replies() (plus its settings and log pages) to the reply handlers, and
// draws the pages.
#include "model/unit_model.h"
#include "pages/alarm_page.h"
#include "pages/house_page.h"
#include "pages/phone_page.h"
#include "pages/restricted_page.h"
#include "protocol/reply_handlers.h"

namespace dorvik {

struct ListPages {
    ListPages(ConnectionEngine& engine, UnitModel& model);
    ListPages(const ListPages&) = delete;
    ListPages& operator=(const ListPages&) = delete;

    // The list pages for ReplyHandlers::SetPages; settings and log stay null.
    ReplyPages Replies();

    CPhone phone;
    CSpecial special;
    CAlarm alarm;
    CHouse house;
};

}  // namespace dorvik
