// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include "calc/number_text.h"
#include "calc/rate.h"
#include "calc/recorded_run.h"
#include "calc/text_to_number.h"

namespace {

const calc::NumberLocale kLocale;

void BM_Rate1(benchmark::State& state) {
  double taxable = 2000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(taxable);
    benchmark::DoNotOptimize(calc::Rate1(taxable));
  }
}
BENCHMARK(BM_Rate1);

void BM_FullTextConversion(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* entry : {"6000", "500", "3500", "12,345.67"}) {
      benchmark::DoNotOptimize(calc::fullTextConversion(entry, kLocale));
    }
  }
}
BENCHMARK(BM_FullTextConversion);

void BM_NumberText(benchmark::State& state) {
  double tax = 37.0368;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tax);
    benchmark::DoNotOptimize(calc::numberText(tax, kLocale));
  }
}
BENCHMARK(BM_NumberText);

void BM_Command1_Click(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::recordRun({"6000", "500", "3500", "0"}, kLocale));
  }
}
BENCHMARK(BM_Command1_Click);

}  // namespace
