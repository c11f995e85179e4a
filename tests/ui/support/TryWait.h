// Waiting in user-interface tests, the way Qt's QTRY_* macros wait (events are
// processed until the condition holds or the time runs out), but failing the
// GoogleTest case when it never holds: QTRY_* report to QTest's own log, which
// GoogleTest never reads, so a test using them could not fail.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#define TRY_VERIFY_WITH_TIMEOUT(condition, timeoutMs)                                    \
  EXPECT_TRUE(QTest::qWaitFor([&]() -> bool { return static_cast<bool>(condition); }, \
                              timeoutMs))                                               \
      << "never became true: " #condition
#define TRY_VERIFY(condition) TRY_VERIFY_WITH_TIMEOUT(condition, 5000)

#define TRY_COMPARE_WITH_TIMEOUT(actual, expected, timeoutMs)                   \
  do {                                                                          \
    (void)QTest::qWaitFor([&]() -> bool { return (actual) == (expected); }, timeoutMs); \
    EXPECT_EQ(actual, expected);                                                \
  } while (0)
#define TRY_COMPARE(actual, expected) TRY_COMPARE_WITH_TIMEOUT(actual, expected, 5000)
