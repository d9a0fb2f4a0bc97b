// Costs of LichVelmora's screen: one paint of the day page, and a whole start-up of the
// program up to its first painted screen (a --screenshot run, which also writes the PNG
// and exits, so it bounds the time to the first paint from above).
#include "app/shell/DayPage.h"
#include "platform/device/DeviceClock.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"

#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The device the program was installed into before the benchmarks run.
QProcessEnvironment deviceEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELMORA_NOW"), QStringLiteral("2009-01-26T10:30"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

QStringList screenshotArguments() {
    return {QStringLiteral("--screen"), QStringLiteral("vga"), QStringLiteral("--screenshot"),
            qEnvironmentVariable("VELMORA_DEVICE_ROOT") + QStringLiteral("/shot.png")};
}

void BM_DayPagePaint(benchmark::State& state) {
    velmora::screen::select(QStringLiteral("vga"));
    velmora::shell::Application::applyScreenProfile();
    qputenv("VELMORA_NOW", "2009-01-26T10:30");
    velmora::app::CurrentDay day;
    velmora::app::DayPageModel model(day);
    model.initialise(velmora::device::localSystemTime());
    velmora::app::DayPage page(model, QStringLiteral(BENCH_PROGRAM_FOLDER));
    page.resize(480, 588);
    page.render(); // pictures decoded once, as after the first paint
    for (auto _ : state) {
        QImage image = page.render();
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_DayPagePaint)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QProcess run;
        run.setProcessEnvironment(deviceEnvironment());
        run.start(QStringLiteral(LICHVELMORA_PATH), screenshotArguments());
        if (!run.waitForFinished(30000) || run.exitCode() != 0)
            state.SkipWithError("the program failed");
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    qputenv("VELMORA_DEVICE_ROOT", root.path().toUtf8());
    velmora::shell::Application app(argc, argv);
    // The first run installs the program, its Data and Images into the device.
    QProcess install;
    install.setProcessEnvironment(deviceEnvironment());
    install.start(QStringLiteral(LICHVELMORA_PATH), screenshotArguments());
    install.waitForFinished(30000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
