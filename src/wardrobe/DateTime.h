// Calendar dates (Julian day numbers), times of day (milliseconds) and local
// date-times with their storage text. Value types; thread-safe.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileTime.h"

namespace tavoro {

// Broken-down local time, as a clock reads it or a photo pane formats it.
struct SystemTime {
  int year = 0;
  int month = 0;      // 1..12
  int dayOfWeek = 0;  // 0 = Sunday
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The source of local wall-clock readings; tests hand in their own.
class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual SystemTime read() const = 0;
  // The process's real clock (CLOCK_REALTIME in the local time zone).
  static const LocalClock& system();
};

class Date {
 public:
  static constexpr int32_t kFirstValidDay = 2361222;  // 14 September 1752
  static constexpr int kLastYear = 9999;

  Date() = default;
  explicit Date(int32_t dayNumber) : m_day(dayNumber) {}

  static Date fromParts(int year, int month, int day);
  static Date today(const LocalClock& clock = LocalClock::system());
  // A year 0..99 means 1900..1999. Days before 14 September 1752 and years
  // after 9999 (whose storage text would no longer be 23 characters) are invalid.
  static bool isValidParts(int year, int month, int day);

  // False, and the date unchanged, when the parts are not a valid day.
  bool setParts(int year, int month, int day);
  // The calendar day; (0, 0, 0) for a date that is not valid.
  void parts(int& year, int& month, int& day) const;

  int32_t dayNumber() const { return m_day; }
  bool isNull() const { return m_day == 0; }
  bool isValid() const { return m_day >= kFirstValidDay; }
  // Valid and no later than 31 December 9999: a day the day text can hold.
  bool isStorable() const;
  // The day after (or before, for a negative count) this one by days.
  Date addDays(int32_t days) const { return Date(m_day + days); }

  // The day text "YYYY-MM-DD" (wear dates in the wardrobe file, tavoro-cli);
  // empty text for a date that is not storable.
  std::wstring toText() const;
  // Accepts exactly ten characters "DDDD-DD-DD" that make a valid day (a year
  // of 0000 to 0099 meaning 1900 to 1999, as everywhere); false otherwise,
  // with the date unchanged.
  bool parseText(std::wstring_view text);
  bool parseText(std::string_view text);
  auto operator<=>(const Date&) const = default;

 private:
  int32_t m_day = 0;
};

class Time {
 public:
  static constexpr uint32_t kInvalid = 86400000;

  Time() = default;
  explicit Time(uint32_t milliseconds) : m_ms(milliseconds) {}
  // The invalid time when an hour is above 23, a minute or second above 59 or
  // a millisecond above 999.
  static Time fromParts(int hour, int minute, int second, int millisecond);

  uint32_t milliseconds() const { return m_ms; }
  bool isValid() const { return m_ms < kInvalid; }
  int hour() const { return static_cast<int>(m_ms / 3600000); }
  int minute() const { return static_cast<int>(m_ms / 60000 % 60); }
  int second() const { return static_cast<int>(m_ms / 1000 % 60); }
  int millisecond() const { return static_cast<int>(m_ms % 1000); }
  auto operator<=>(const Time&) const = default;

 private:
  uint32_t m_ms = 0;
};

class DateTime {
 public:
  DateTime() = default;
  DateTime(Date date, Time time) : m_date(date), m_time(time) {}

  // Local date and time to the millisecond. A reading in the first minute
  // after midnight takes the date once more, so that a day change between
  // the two readings cannot pair yesterday's date with today's time.
  static DateTime now(const LocalClock& clock = LocalClock::system());

  Date date() const { return m_date; }
  Time time() const { return m_time; }
  bool isNull() const { return m_date.isNull() && m_time.milliseconds() == 0; }

  // "YYYY-MM-DD hh:mm:ss.mmm": 23 characters for years 1000 to 9999.
  std::wstring toText() const;
  // Accepts exactly the 23-character storage text with a valid date and time.
  // On failure the date part may already have changed; callers replace the
  // whole value.
  bool parseText(std::wstring_view text);
  SystemTime toSystemTime() const;

  // By date, then by time, both as unsigned numbers.
  std::strong_ordering operator<=>(const DateTime& other) const;
  bool operator==(const DateTime&) const = default;

 private:
  Date m_date;
  Time m_time;
};

// The user's short date format, a blank and the user's time format without
// seconds (LC_TIME of the environment); empty text when formatting fails.
std::wstring dateTimeDisplayText(const SystemTime& time);

// The current time in GMT as "Wed, 7 Dec 2026 08:06:02 GMT".
std::wstring gmtNowText();

// The current local wall-clock time in the file-time form (seconds counted
// as if the local time were UTC); zeroFileTime() is the empty stamp.
FileTime localNowFileTime();
inline FileTime zeroFileTime() { return {}; }

}  // namespace tavoro
