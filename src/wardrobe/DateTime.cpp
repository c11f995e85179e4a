#include "DateTime.h"

#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <cstdio>

#include "platform/DecimalText.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

// Day numbers by Algorithm 199 of the Collected Algorithms (Gregorian).
int32_t dayNumberOf(int year, int month, int day) {
  if (year < 100) year += 1900;
  if (month > 2) {
    month -= 3;
  } else {
    month += 9;
    year -= 1;
  }
  const int c = year / 100;
  const int ya = year % 100;
  return (146097 * c) / 4 + (1461 * ya) / 4 + (153 * month + 2) / 5 + day + 1721119;
}

int daysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

class SystemClock final : public LocalClock {
 public:
  SystemTime read() const override {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    SystemTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.dayOfWeek = local.tm_wday;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second
    t.millisecond = static_cast<int>(ts.tv_nsec / 1000000);
    return t;
  }
};

bool allDigits(std::wstring_view text) {
  for (wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return true;
}

int readGroup(std::wstring_view text) {
  int32_t value = 0;
  parseDecimalInt(text, value);
  return value;
}

}  // namespace

const LocalClock& LocalClock::system() {
  static const SystemClock clock;
  return clock;
}

Date Date::fromParts(int year, int month, int day) {
  Date d;
  d.setParts(year, month, day);
  return d;
}

Date Date::today(const LocalClock& clock) {
  const SystemTime t = clock.read();
  return fromParts(t.year, t.month, t.day);
}

bool Date::isValidParts(int year, int month, int day) {
  if (year >= 0 && year <= 99) year += 1900;
  if (year < 1752 || year > kLastYear) return false;
  if (month < 1 || month > 12) return false;
  if (day < 1 || day > daysInMonth(year, month)) return false;
  return dayNumberOf(year, month, day) >= kFirstValidDay;
}

bool Date::setParts(int year, int month, int day) {
  if (!isValidParts(year, month, day)) return false;
  m_day = dayNumberOf(year, month, day);
  return true;
}

void Date::parts(int& year, int& month, int& day) const {
  if (!isValid()) {
    year = month = day = 0;
    return;
  }
  int64_t j = 4 * (static_cast<int64_t>(m_day) - 1721119) - 1;
  const int64_t c = j / 146097;
  j -= 146097 * c;
  int64_t d = j / 4;
  const int64_t ya = (4 * d + 3) / 1461;
  d = (4 * d + 3 - 1461 * ya + 4) / 4;
  int64_t m = (5 * d - 3) / 153;
  d = (5 * d - 3 - 153 * m + 5) / 5;
  int64_t y = 100 * c + ya;
  if (m < 10) {
    m += 3;
  } else {
    m -= 9;
    y += 1;
  }
  year = static_cast<int>(y);
  month = static_cast<int>(m);
  day = static_cast<int>(d);
}

bool Date::isStorable() const {
  static const int32_t kLastDay = dayNumberOf(kLastYear, 12, 31);
  return isValid() && m_day <= kLastDay;
}

std::wstring Date::toText() const {
  if (!isStorable()) return {};
  int y = 0, mo = 0, d = 0;
  parts(y, mo, d);
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"%04d-%02d-%02d", y, mo, d);
  return buffer;
}

bool Date::parseText(std::wstring_view text) {
  if (text.size() != 10 || !allDigits(text.substr(0, 4)) || text[4] != L'-' || !allDigits(text.substr(5, 2)) ||
      text[7] != L'-' || !allDigits(text.substr(8, 2)))
    return false;
  return setParts(readGroup(text.substr(0, 4)), readGroup(text.substr(5, 2)), readGroup(text.substr(8, 2)));
}

bool Date::parseText(std::string_view text) {
  if (text.size() != 10) return false;
  wchar_t wide[10];
  for (size_t i = 0; i < 10; ++i) wide[i] = static_cast<unsigned char>(text[i]);
  return parseText(std::wstring_view(wide, 10));
}

Time Time::fromParts(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || minute < 0 || second < 0 || millisecond < 0) return Time(kInvalid);
  if (hour > 23 || minute > 59 || second > 59 || millisecond > 999) return Time(kInvalid);
  return Time(static_cast<uint32_t>(hour * 3600000 + minute * 60000 + second * 1000 + millisecond));
}

DateTime DateTime::now(const LocalClock& clock) {
  Date date = Date::today(clock);
  const SystemTime reading = clock.read();
  const Time time = Time::fromParts(reading.hour, reading.minute, reading.second, reading.millisecond);
  if (time.milliseconds() < 60000) date = Date::today(clock);
  return DateTime(date, time);
}

std::wstring DateTime::toText() const {
  int y = 0, mo = 0, d = 0;
  m_date.parts(y, mo, d);
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%04d-%02d-%02d %02d:%02d:%02d.%03d", y, mo, d, m_time.hour(), m_time.minute(),
                m_time.second(), m_time.millisecond());
  return buffer;
}

bool DateTime::parseText(std::wstring_view text) {
  if (text.size() != 23) return false;
  // "(\d{4})-(\d{2})-(\d{2})" over the first ten characters.
  const std::wstring_view date = text.substr(0, 10);
  if (!allDigits(date.substr(0, 4)) || date[4] != L'-' || !allDigits(date.substr(5, 2)) || date[7] != L'-' ||
      !allDigits(date.substr(8, 2)))
    return false;
  if (!m_date.setParts(readGroup(date.substr(0, 4)), readGroup(date.substr(5, 2)), readGroup(date.substr(8, 2))))
    return false;
  // "(\d{2}):(\d{2}):(\d{2})\.(\d{3})" over the last twelve.
  const std::wstring_view time = text.substr(11, 12);
  if (!allDigits(time.substr(0, 2)) || time[2] != L':' || !allDigits(time.substr(3, 2)) || time[5] != L':' ||
      !allDigits(time.substr(6, 2)) || time[8] != L'.' || !allDigits(time.substr(9, 3)))
    return false;
  const Time parsed = Time::fromParts(readGroup(time.substr(0, 2)), readGroup(time.substr(3, 2)),
                                      readGroup(time.substr(6, 2)), readGroup(time.substr(9, 3)));
  if (!parsed.isValid()) return false;
  m_time = parsed;
  return true;
}

SystemTime DateTime::toSystemTime() const {
  SystemTime t;
  m_date.parts(t.year, t.month, t.day);
  // Any consistent weekday will do; day numbers make it exact (JDN 0 was a Monday).
  t.dayOfWeek = static_cast<int>((static_cast<int64_t>(m_date.dayNumber()) + 1) % 7);
  t.hour = m_time.hour();
  t.minute = m_time.minute();
  t.second = m_time.second();
  t.millisecond = m_time.millisecond();
  return t;
}

std::strong_ordering DateTime::operator<=>(const DateTime& other) const {
  const auto a = static_cast<uint32_t>(m_date.dayNumber());
  const auto b = static_cast<uint32_t>(other.m_date.dayNumber());
  if (a != b) return a <=> b;
  return m_time.milliseconds() <=> other.m_time.milliseconds();
}

std::wstring dateTimeDisplayText(const SystemTime& time) {
  static const locale_t userLocale = [] {
    locale_t l = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    return l ? l : newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
  }();
  if (!userLocale || !Date::isValidParts(time.year, time.month, time.day)) return {};
  tm t{};
  t.tm_year = time.year - 1900;
  t.tm_mon = time.month - 1;
  t.tm_mday = time.day;
  t.tm_wday = time.dayOfWeek;
  t.tm_hour = time.hour;
  t.tm_min = time.minute;
  t.tm_sec = time.second;
  // The locale's time format with its seconds field taken out.
  std::string timeFormat = nl_langinfo_l(T_FMT, userLocale);
  if (timeFormat == "%T") timeFormat = "%H:%M";
  if (timeFormat == "%r") timeFormat = "%I:%M %p";
  for (const char* seconds : {":%S", ".%S", "%S"}) {
    if (const size_t at = timeFormat.find(seconds); at != std::string::npos) {
      timeFormat.erase(at, std::char_traits<char>::length(seconds));
      break;
    }
  }
  char date[260];
  char clock[260];
  if (strftime_l(date, sizeof date, "%x", &t, userLocale) == 0) return {};
  if (strftime_l(clock, sizeof clock, timeFormat.c_str(), &t, userLocale) == 0) return {};
  return fromUtf8(date) + L" " + fromUtf8(clock);
}

std::wstring gmtNowText() {
  static const wchar_t* const kDays[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  static const wchar_t* const kMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                           L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  const time_t now = ::time(nullptr);
  tm gmt{};
  gmtime_r(&now, &gmt);
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%ls, %d %ls %d %02d:%02d:%02d GMT", kDays[gmt.tm_wday], gmt.tm_mday, kMonths[gmt.tm_mon],
                gmt.tm_year + 1900, gmt.tm_hour, gmt.tm_min, gmt.tm_sec);
  return buffer;
}

FileTime localNowFileTime() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  return FileTime{static_cast<int64_t>(ts.tv_sec) + local.tm_gmtoff, static_cast<int32_t>(ts.tv_nsec)};
}

}  // namespace tavoro
