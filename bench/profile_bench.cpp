#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/profile/profile_file.h"

namespace {

// A Config.ini of about the given size: filler keys, then the settings.
QString makeFile(const QTemporaryDir& dir, qsizetype size) {
    QByteArray text("[Other]\r\n");
    for (int i = 0; text.size() < size; ++i)
        text += "Key" + QByteArray::number(i) + "=some stored value\r\n";
    text += "[Config]\r\nRemPwd=1\r\nLastID=000001\r\n[Info]\r\nUserName=x\r\n";
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) qFatal("no file");
    return path;
}

void BM_ProfileRead(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = makeFile(dir, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::profile::Read(path, "Info", "UserName"));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ProfileRead)->Arg(200)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

void BM_ProfileWrite(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = makeFile(dir, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::profile::Write(path, "Config", "LastID", "600519"));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ProfileWrite)->Arg(200)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace
