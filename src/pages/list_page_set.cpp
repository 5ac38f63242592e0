#include "pages/list_page_set.h"

namespace dorvik {

ListPageSet::ListPageSet(ConnectionEngine& engine, UnitModel& model)
    : phone(engine, model), special(engine, model), alarm(engine, model), house(engine, model) {
    engine.RegisterPage(PageRole::Phone, &phone);
    engine.RegisterPage(PageRole::Special, &special);
    engine.RegisterPage(PageRole::Alarm, &alarm);
    engine.RegisterPage(PageRole::House, &house);
}

ReplyPages ListPageSet::Replies() {
    ReplyPages pages;
    pages.phone = &phone;
    pages.special = &special;
    pages.alarm = &alarm;
    pages.house = &house;
    return pages;
}

}  // namespace dorvik
