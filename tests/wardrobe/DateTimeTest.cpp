#include <gtest/gtest.h>

#include <chrono>
#include <deque>

#include "wardrobe/DateTime.h"

namespace tavoro {
namespace {

// A clock that answers with prepared readings, one per read().
class ScriptedClock final : public LocalClock {
 public:
  explicit ScriptedClock(std::deque<SystemTime> readings) : m_readings(std::move(readings)) {}
  SystemTime read() const override {
    SystemTime next = m_readings.front();
    if (m_readings.size() > 1) m_readings.pop_front();
    return next;
  }

 private:
  mutable std::deque<SystemTime> m_readings;
};

SystemTime at(int y, int mo, int d, int h, int mi, int s, int ms) {
  SystemTime t;
  t.year = y, t.month = mo, t.day = d, t.hour = h, t.minute = mi, t.second = s, t.millisecond = ms;
  return t;
}

TEST(DateTest, DayNumbersAgreeWithTheCivilCalendarForEveryDay) {
  using namespace std::chrono;
  // The Julian day number of 1970-01-01 is 2440588.
  const sys_days first = sys_days{year{1752} / September / 14};
  const sys_days last = sys_days{year{9999} / December / 31};
  int checked = 0;
  for (sys_days day = first; day <= last; day += days{1}) {
    const year_month_day ymd{day};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
    const Date date = Date::fromParts(y, m, d);
    const int32_t expected = static_cast<int32_t>(day.time_since_epoch().count() + 2440588);
    if (date.dayNumber() != expected) FAIL() << y << "-" << m << "-" << d << " gives " << date.dayNumber();
    int ry = 0, rm = 0, rd = 0;
    date.parts(ry, rm, rd);
    if (ry != y || rm != m || rd != d) FAIL() << "day " << expected << " gives back " << ry << "-" << rm << "-" << rd;
    ++checked;
  }
  EXPECT_EQ(checked, (last - first).count() + 1);
  EXPECT_EQ(Date::fromParts(1752, 9, 14).dayNumber(), Date::kFirstValidDay);
}

TEST(DateTest, ValidityOfParts) {
  struct Case {
    int y, m, d;
    bool valid;
  };
  const Case cases[] = {
      {1752, 9, 14, true}, {1752, 9, 13, false}, {1751, 12, 31, false}, {2000, 2, 29, true},
      {1900, 2, 29, false}, {2024, 2, 29, true}, {2023, 2, 29, false}, {2023, 4, 31, false},
      {2023, 0, 1, false}, {2023, 13, 1, false}, {2023, 1, 0, false}, {99, 12, 31, true},
      {0, 1, 1, true}, {100, 1, 1, false}, {9999, 12, 31, true}, {10000, 1, 1, false},
      {-5, 1, 1, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Date::isValidParts(c.y, c.m, c.d), c.valid) << c.y << "-" << c.m << "-" << c.d;

  Date date = Date::fromParts(2012, 9, 8);
  EXPECT_FALSE(date.setParts(1900, 2, 29));
  EXPECT_EQ(date, Date::fromParts(2012, 9, 8));  // unchanged on failure
  EXPECT_TRUE(Date::fromParts(1752, 9, 13).isNull());
  int y = 0, m = 0, d = 0;
  Date::fromParts(99, 1, 2).parts(y, m, d);
  EXPECT_EQ(y, 1999);
}

TEST(TimeTest, PartsOutOfRangeGiveTheInvalidTime) {
  EXPECT_EQ(Time::fromParts(14, 3, 7, 5).milliseconds(), 50587005u);
  EXPECT_EQ(Time::fromParts(23, 59, 59, 999).milliseconds(), 86399999u);
  for (const auto& [h, m, s, ms] : {std::tuple{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}})
    EXPECT_EQ(Time::fromParts(h, m, s, ms).milliseconds(), Time::kInvalid);
}

TEST(DateTimeTest, StorageTextRoundTripsAndPadsMilliseconds) {
  const DateTime value(Date::fromParts(2012, 9, 8), Time::fromParts(14, 3, 7, 5));
  EXPECT_EQ(value.toText(), L"2012-09-08 14:03:07.005");
  DateTime read;
  ASSERT_TRUE(read.parseText(value.toText()));
  EXPECT_EQ(read, value);
  ASSERT_TRUE(read.parseText(L"0099-01-02 00:00:00.000"));
  EXPECT_EQ(read.date(), Date::fromParts(1999, 1, 2));
  ASSERT_TRUE(read.parseText(L"9999-12-31 23:59:59.999"));
}

TEST(DateTimeTest, ParsingRejectsAnythingButTheExactForm) {
  for (const wchar_t* text : {
           L"2012-09-08 14:03:07",       // 19 characters
           L"2012-09-08 14:03:07.0055",  // 24
           L"1752-09-13 10:00:00.000",   // before the first valid day
           L"2012-02-30 10:00:00.000",   // no such day
           L"2012-09-08 24:00:00.000",   // hour 24
           L"2012-09-08 10:60:00.000",   // minute 60
           L"2012-09-08 10:00:61.000",   // second 61
           L"2012/09/08 10:00:00.000",   // wrong separators
           L"2012-09-08 10:00:00,000",
           L"+012-09-08 10:00:00.000",   // a sign is not a digit
           L"2012-09-08 1a:00:00.000",
           L"",
       }) {
    DateTime value;
    EXPECT_FALSE(value.parseText(text)) << text;
  }
}

TEST(DateTimeTest, ComparesByDateThenTime) {
  const DateTime a(Date::fromParts(2020, 1, 1), Time::fromParts(23, 0, 0, 0));
  const DateTime b(Date::fromParts(2020, 1, 2), Time::fromParts(1, 0, 0, 0));
  const DateTime c(Date::fromParts(2020, 1, 2), Time::fromParts(1, 0, 0, 1));
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_EQ(b, b);
  EXPECT_LT(DateTime(), a);
  EXPECT_TRUE(DateTime().isNull());
}

TEST(DateTimeTest, NowJustAfterMidnightTakesTheNewDay) {
  // The date is read before midnight, the time just after it: the date is
  // read again and belongs to the new day.
  const ScriptedClock clock({at(2024, 2, 28, 23, 59, 59, 999), at(2024, 2, 29, 0, 0, 30, 0), at(2024, 2, 29, 0, 0, 30, 1)});
  const DateTime now = DateTime::now(clock);
  EXPECT_EQ(now.date(), Date::fromParts(2024, 2, 29));
  EXPECT_EQ(now.time(), Time::fromParts(0, 0, 30, 0));

  // Later in the day the first date reading stands.
  const ScriptedClock noon({at(2024, 3, 1, 12, 0, 0, 0), at(2024, 3, 1, 12, 0, 0, 1), at(2099, 1, 1, 0, 0, 0, 0)});
  EXPECT_EQ(DateTime::now(noon).date(), Date::fromParts(2024, 3, 1));
}

TEST(DateTimeTest, TextForms) {
  const std::wstring gmt = gmtNowText();
  EXPECT_EQ(gmt.substr(gmt.size() - 4), L" GMT");
  EXPECT_EQ(gmt[3], L',');
  const SystemTime t = DateTime(Date::fromParts(2011, 7, 4), Time::fromParts(18, 30, 5, 0)).toSystemTime();
  EXPECT_EQ(t.year, 2011);
  EXPECT_EQ(t.dayOfWeek, 1);  // a Monday
  const std::wstring display = dateTimeDisplayText(t);
  EXPECT_NE(display.find(L"18:30"), std::wstring::npos) << display;  // LANG=C.UTF-8 in the tests
  EXPECT_EQ(display.find(L":05"), std::wstring::npos) << display;
  EXPECT_EQ(dateTimeDisplayText(SystemTime{}), L"");
}

}  // namespace
}  // namespace tavoro
