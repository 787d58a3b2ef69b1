// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_actions.h"
#include "session.h"

#include <benchmark/benchmark.h>

using namespace control;

namespace {

void formLoad(benchmark::State& run) {
    for (auto _ : run) {
        FormState state;
        Form_Load(state);
        benchmark::DoNotOptimize(state);
    }
}

void resetPans(benchmark::State& run) {
    FormState state = loadedState();
    for (auto _ : run) {
        ResetPans(state);
        benchmark::DoNotOptimize(state);
    }
}

// Places all three weights, one per pan click, then clears: four handlers.
void placeThreeThenClear(benchmark::State& run) {
    FormState state = loadedState();
    for (auto _ : run) {
        for (std::int16_t pan : {leftPan, rightPan, leftPan}) {
            state.List1(pan).setListIndex(0);
            List1_Click(state, pan);
        }
        Command1_Click(state, clear);
        benchmark::DoNotOptimize(state);
    }
    run.counters["perHandler"] = benchmark::Counter(
        4, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void calculateThreeWeights(benchmark::State& run) {
    FormState state = loadedState();
    for (const char* entry : {"9", "-6", "1"})
        state.List1(placedList).AddItem(entry);
    for (auto _ : run) {
        Command1_Click(state, calculate);
        benchmark::DoNotOptimize(state.Text2(0).Text);
    }
}

void chooseThenMeasure(benchmark::State& run) {
    FormState state = loadedState();
    for (auto _ : run) {
        Option1_Click(state, choosing);
        for (std::int16_t row : {0, 3, 5}) {
            state.List1(availableList).setListIndex(row);
            List1_Click(state, availableList);
        }
        Option1_Click(state, measuring);
        benchmark::DoNotOptimize(state);
    }
    run.counters["perHandler"] = benchmark::Counter(
        5, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void randomSession(benchmark::State& run) {
    for (auto _ : run) {
        std::mt19937 random(20261208u);
        FormState state = loadedState();
        for (int i = 0; i < 1000000; ++i)
            perform(state, randomAction(random));
        benchmark::DoNotOptimize(state);
    }
}

} // namespace

BENCHMARK(formLoad);
BENCHMARK(resetPans);
BENCHMARK(placeThreeThenClear);
BENCHMARK(calculateThreeWeights);
BENCHMARK(chooseThenMeasure);
BENCHMARK(randomSession)->Unit(benchmark::kMillisecond);
