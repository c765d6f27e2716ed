#include "users/LearningClock.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace qor {

namespace {

constexpr std::int64_t SecondsPerDay = 24 * 60 * 60;
// The day 1 January 1970 falls on, counted from 30 December 1899.
constexpr int UnixEpochDay = 25569;

std::string twoDigits(std::int64_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string clockText(std::int64_t seconds) {
    return twoDigits(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
           twoDigits(seconds % 60);
}

// Reads digits up to the next ':' or the end; advances text past them.
std::optional<std::int64_t> readField(std::string_view& text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || value < 0)
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

} // namespace

DateTime LocalNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const sys_days date =
        year_month_day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                       day{static_cast<unsigned>(local.tm_mday)}};
    const auto milliseconds =
        duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const double secondOfDay = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec +
                               static_cast<double>(milliseconds) / 1000;
    return date.time_since_epoch().count() + UnixEpochDay + secondOfDay / SecondsPerDay;
}

std::string ShortDateText(DateTime when) {
    using namespace std::chrono;
    const auto dayNumber = static_cast<int>(std::floor(when)) - UnixEpochDay;
    const year_month_day date{sys_days{days{dayNumber}}};
    return twoDigits(static_cast<unsigned>(date.day())) + "." +
           twoDigits(static_cast<unsigned>(date.month())) + "." +
           std::to_string(static_cast<int>(date.year()));
}

std::optional<int> ParseShortDate(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != 10 || text[2] != '.' || text[5] != '.')
        return std::nullopt;
    const auto number = [text](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + from;
        const auto [end, error] = std::from_chars(first, first + length, value);
        if (error != std::errc() || end != first + length)
            return std::nullopt;
        return value;
    };
    const auto d = number(0, 2);
    const auto m = number(3, 2);
    const auto y = number(6, 4);
    if (!d || !m || !y)
        return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date}.time_since_epoch().count() + UnixEpochDay;
}

std::string LongTimeText(DateTime when) {
    const double fraction = when - std::floor(when);
    return clockText(std::llround(fraction * SecondsPerDay) % SecondsPerDay);
}

std::string DurationText(double days) {
    if (!(days > 0)) // also not a number
        return clockText(0);
    return clockText(std::llround(days * SecondsPerDay));
}

std::optional<double> ParseDuration(std::string_view text) {
    const auto hours = readField(text);
    if (!hours || !text.starts_with(':'))
        return std::nullopt;
    text.remove_prefix(1);
    const auto minutes = readField(text);
    if (!minutes || *minutes > 59)
        return std::nullopt;
    std::int64_t seconds = 0;
    if (text.starts_with(':')) {
        text.remove_prefix(1);
        const auto read = readField(text);
        if (!read || *read > 59)
            return std::nullopt;
        seconds = *read;
    }
    if (!text.empty() || *hours > 1'000'000)
        return std::nullopt;
    return static_cast<double>(*hours * 3600 + *minutes * 60 + seconds) / SecondsPerDay;
}

} // namespace qor
