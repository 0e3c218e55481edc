#pragma once
// A property check for the fuzz targets: a failed check prints what was
// expected and aborts, which libFuzzer reports as a finding with its input.

#include <QString>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond, ...)                                                       \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::fprintf(stderr, __VA_ARGS__);                                            \
      std::fprintf(stderr, "\n");                                                   \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

// The UTF-8 of a text for printing; the last eight stay valid, so one
// message may show several.
inline const char* Q(const QString& s) {
  static QByteArray keep[8];
  static int next = 0;
  QByteArray& slot = keep[next++ % 8];
  slot = s.toUtf8();
  return slot.constData();
}
