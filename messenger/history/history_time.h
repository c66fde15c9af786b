// The local date and time of one append, and the two texts the history shows of them.
#pragma once

#include <string>

namespace kivet {

struct LocalTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

// "day/month/year" without leading zeros, e.g. "5/3/2024"; the date row and `LastHistoryTime`.
std::string HistoryDateText(const LocalTime& t);
// "hour:minute:second" without leading zeros, e.g. "9:5:7"; shown at the right of each entry.
std::string HistoryTimeText(const LocalTime& t);

} // namespace kivet
