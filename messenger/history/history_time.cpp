#include "messenger/history/history_time.h"

#include <cstdio>

namespace kivet {

std::string HistoryDateText(const LocalTime& t)
{
    char text[40];
    std::snprintf(text, sizeof text, "%d/%d/%d", t.day, t.month, t.year);
    return text;
}

std::string HistoryTimeText(const LocalTime& t)
{
    char text[40];
    std::snprintf(text, sizeof text, "%d:%d:%d", t.hour, t.minute, t.second);
    return text;
}

} // namespace kivet
