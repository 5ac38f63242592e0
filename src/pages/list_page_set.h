#pragma once
// The four number list pages of one main window, registered with its
// connection engine. The main window creates one ListPageSet, hands
// Replies() (plus its settings and log pages) to the reply handlers, and
// draws the pages.
#include "model/unit_model.h"
#include "pages/alarm_page.h"
#include "pages/house_page.h"
#include "pages/phone_page.h"
#include "pages/special_page.h"
#include "protocol/reply_handlers.h"

namespace dorvik {

struct ListPageSet {
    ListPageSet(ConnectionEngine& engine, UnitModel& model);
    ListPageSet(const ListPageSet&) = delete;
    ListPageSet& operator=(const ListPageSet&) = delete;

    // The list pages for ReplyHandlers::SetPages; settings and log stay null.
    ReplyPages Replies();

    CPhone phone;
    CSpecial special;
    CAlarm alarm;
    CHouse house;
};

}  // namespace dorvik
