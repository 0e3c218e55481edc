#pragma once
// The frame of every fuzz target: FUZZ_TARGET { ... } runs on each input,
// given as `bytes` and as the Latin-1 `text` the readers see. A failed CHECK
// names itself and aborts, which libFuzzer reports with the input.

#include <QString>
#include <cstdio>
#include <cstdlib>

#define CHECK(cond) (cond) ? void() : (std::fputs(#cond "\n", stderr), std::abort())

#define FUZZ_TARGET                                                      \
  void Fuzz(const QByteArray& bytes, const QString& text);               \
  extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size) { \
    Fuzz(QByteArray(data, size), QString::fromLatin1(data, size));       \
    return 0;                                                            \
  }                                                                      \
  void Fuzz(const QByteArray& bytes, const QString& text)
