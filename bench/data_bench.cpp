// The country file read and write, on the shipped 224-entry file.

#include <benchmark/benchmark.h>

#include <QFile>

#include "data/countryfile.h"

namespace {

QByteArray ShippedFile() {
  QFile f(QStringLiteral(ZORVANE_SOURCE_DIR "/data/countries.txt"));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Decoding the bytes and filling every cell, as start-up does.
void BM_ReadCountries(benchmark::State& state) {
  const QByteArray bytes = ShippedFile();
  for (auto _ : state) {
    zv::CountryTable table;
    const zv::ReadResult r = zv::ReadCountriesText(QString::fromLatin1(bytes), table, zv::kEntryCount);
    if (!r.complete) state.SkipWithError("the shipped file did not read whole");
    benchmark::DoNotOptimize(table);
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadCountries)->Unit(benchmark::kMicrosecond);

// The bytes a save writes for the whole table.
void BM_WriteCountries(benchmark::State& state) {
  zv::CountryTable table;
  zv::ReadCountriesText(QString::fromLatin1(ShippedFile()), table, zv::kEntryCount);
  const QDateTime now(QDate(2026, 12, 7), QTime(5, 30));
  for (auto _ : state) benchmark::DoNotOptimize(zv::WriteCountriesBytes(table, zv::kEntryCount, now));
}
BENCHMARK(BM_WriteCountries)->Unit(benchmark::kMicrosecond);

}  // namespace
