#pragma once
// The frame of every fuzz target: FUZZ_TARGET { ... } runs on each input,
// given as `bytes` and as the Latin-1 `text` the readers see. A failed CHECK
// names itself and aborts, which libFuzzer reports with the input.

#include <QString>
#include <cstdio>
#include <cstdlib>

#define CHECK(cond) \
  (cond) ? void() : (std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond), std::abort())

#define FUZZ_TARGET                                                      \
  void Fuzz(const QByteArray& bytes, const QString& text);               \
  extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size) { \
    const QByteArray bytes(data, static_cast<qsizetype>(size));          \
    Fuzz(bytes, QString::fromLatin1(bytes));                             \
    return 0;                                                            \
  }                                                                      \
  void Fuzz(const QByteArray& bytes, const QString& text)
