// Sets an environment variable for the life of the object and puts the old
// value (or its absence) back afterwards.
#pragma once

#include <cstdlib>
#include <string>

#include "platform/Utf8.h"

namespace tavoro::test {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::wstring& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old, m_had = true;
    ::setenv(name, toUtf8(value).c_str(), 1);
  }
  ~ScopedEnv() {
    if (m_had)
      ::setenv(m_name, m_old.c_str(), 1);
    else
      ::unsetenv(m_name);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  std::string m_old;
  bool m_had = false;
};

}  // namespace tavoro::test
