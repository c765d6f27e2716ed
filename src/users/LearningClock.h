#pragma once
// Dates and times of the user base as the user files and the learning log
// write them: a date-time is a number of days since 30 December 1899 in
// local time, its fraction the time of day; a learning time is a number of
// days too.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

using DateTime = double;

// Now, on the local clock, to the millisecond.
DateTime LocalNow();

// What the user base asks for the time; tests give it a fixed clock.
using Clock = std::function<DateTime()>;

// "09.12.2026": the short date of the German desktop.
std::string ShortDateText(DateTime when);

// The day of a short date ("09.12.2026"), as the whole number of days of
// its date-time; nothing for anything else.
std::optional<int> ParseShortDate(std::string_view text);

// "08:05:09": the time of day of when, to the second.
std::string LongTimeText(DateTime when);

// A length of time in the long time form; hours go on past 24
// ("27:03:10"), so that learning times of more than a day survive.
std::string DurationText(double days);

// Reads what DurationText wrote, and any "h:mm:ss" or "h:mm" time of day;
// nothing for anything else.
std::optional<double> ParseDuration(std::string_view text);

} // namespace qor
