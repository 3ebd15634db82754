#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/labels.h"
#include "model/workbook_file.h"

namespace {

using namespace morvadel;

std::unique_ptr<SharedState> FullWorkbook(const std::string& path) {
  auto s = std::make_unique<SharedState>();
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c)
      s->ItemTable(r, c) = c <= 6 ? Cell::Text(std::to_string(r * 37 + c * 1013)) : Cell::Text("Oznaka čćž " + std::to_string(r));
  s->CurrencyName = "EUR";
  s->FileName = path;
  return s;
}

std::string BenchPath() { return (std::filesystem::temp_directory_path() / "morvadel_bench.eka").string(); }

void BM_WriteWorkbook(benchmark::State& state) {
  auto s = FullWorkbook(BenchPath());
  for (auto _ : state) {
    FileError e = WriteDataFile(*s);
    if (!e.ok()) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteWorkbook)->Unit(benchmark::kMillisecond);

void BM_ReadWorkbook(benchmark::State& state) {
  auto src = FullWorkbook(BenchPath());
  WriteDataFile(*src);
  auto s = std::make_unique<SharedState>();
  s->FileName = BenchPath();
  for (auto _ : state) {
    FileError e = CitajDatoteku(*s);  // includes the ItemValues rebuild
    if (!e.ok()) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(s->ItemValues(1600, 6));
  }
}
BENCHMARK(BM_ReadWorkbook)->Unit(benchmark::kMillisecond);

// A UTF-8 workbook: the whole file is checked before it is taken as UTF-8.
void BM_ReadWorkbookUtf8(benchmark::State& state) {
  const std::string path = BenchPath() + ".utf8";
  auto src = FullWorkbook(path);
  src->FileEncoding = TextEncoding::Utf8;
  WriteDataFile(*src);
  auto s = std::make_unique<SharedState>();
  s->FileName = path;
  for (auto _ : state) {
    FileError e = CitajDatoteku(*s);
    if (!e.ok() || s->FileEncoding != TextEncoding::Utf8) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(s->ItemValues(1600, 6));
  }
}
BENCHMARK(BM_ReadWorkbookUtf8)->Unit(benchmark::kMillisecond);

void BM_EncodeWorkbook(benchmark::State& state) {
  auto s = FullWorkbook(BenchPath());
  for (auto _ : state) benchmark::DoNotOptimize(EncodeWorkbook(*s));
}
BENCHMARK(BM_EncodeWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
