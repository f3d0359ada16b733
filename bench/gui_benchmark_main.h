#pragma once
// The main function of a benchmark program that paints or encodes pictures:
// a QGuiApplication (on the offscreen platform unless another is asked for),
// `prepare` before the timings, then the benchmarks.
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <functional>

inline int RunGuiBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    if (prepare) prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
