#include <gtest/gtest.h>
#include <unistd.h>

#include "TempDir.h"
#include "app/InstanceLock.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using Result = InstanceLock::Result;

TEST(InstanceLockTest, OnlyOneHolderAtATimeAndReleasedWithTheObject) {
  test::TempDir dir;
  const std::wstring path = dir / L"instance.lock";
  {
    InstanceLock first;
    ASSERT_EQ(first.acquire(path), Result::Acquired);
    EXPECT_TRUE(first.held());
    // A second open of the file is a second holder, as another process is.
    InstanceLock second;
    EXPECT_EQ(second.acquire(path), Result::HeldElsewhere);
    EXPECT_FALSE(second.held());
  }
  InstanceLock again;
  EXPECT_EQ(again.acquire(path), Result::Acquired);
}

TEST(InstanceLockTest, RefusesPathsItCannotSafelyOpen) {
  test::TempDir dir;
  ASSERT_EQ(::symlink(toUtf8(dir / L"target").c_str(), toUtf8(dir / L"link.lock").c_str()), 0);
  for (const std::wstring& path : {dir / L"link.lock", dir / L"missing/instance.lock", dir.path()}) {
    InstanceLock lock;
    EXPECT_EQ(lock.acquire(path), Result::Failed) << toUtf8(path);
  }
  // The link was not followed: nothing was created at its target.
  EXPECT_NE(::access(toUtf8(dir / L"target").c_str(), F_OK), 0);
}

}  // namespace
}  // namespace tavoro
