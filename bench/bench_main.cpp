#include <benchmark/benchmark.h>

#include <QApplication>

// Benchmarks that paint or build widgets need a QApplication; run them with
// QT_QPA_PLATFORM=offscreen when there is no display.
int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
