// Screen profiles, the process-wide choice among them, and the scaling helpers.
#include "platform/screen/ScreenProfile.h"

#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace velmora::screen {
namespace {

const Profile* findProfile(const QString& name) {
    for (const Profile& p : profiles())
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
    return nullptr;
}

const Profile* defaultProfile() {
    const QString fromEnv = qEnvironmentVariable("VELMORA_SCREEN");
    if (const Profile* p = findProfile(fromEnv)) return p;
    return findProfile(QStringLiteral("vga"));
}

const Profile*& chosen() {
    static const Profile* choice = defaultProfile();
    return choice;
}

QString unknownScreenMessage(const QString& name) {
    QStringList names;
    for (const Profile& p : profiles()) names << p.name;
    return QStringLiteral("Không có màn hình \u201c%1\u201d. Các màn hình có: %2.")
        .arg(name, names.join(QStringLiteral(", ")));
}

} // namespace

const std::vector<Profile>& profiles() {
    static const std::vector<Profile> all{
        {QStringLiteral("qvga"), 240, 320, 96},
        {QStringLiteral("qvga-landscape"), 320, 240, 96},
        {QStringLiteral("square"), 240, 240, 96},
        {QStringLiteral("vga"), 480, 640, 192},
        {QStringLiteral("vga-landscape"), 640, 480, 192},
        {QStringLiteral("wvga"), 480, 800, 192}, // the common tall handheld screen
    };
    return all;
}

const Profile& current() {
    return *chosen();
}

bool select(const QString& name) {
    const Profile* p = findProfile(name);
    if (!p) return false;
    chosen() = p;
    return true;
}

std::optional<QString> screenChoice(QStringList& args, const QString& environmentValue,
                                    QString* error) {
    std::optional<QString> fromArgs;
    bool missingValue = false;
    for (int i = 0; i < args.size();) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--screen")) {
            if (i + 1 < args.size()) {
                fromArgs = args.at(i + 1);
                args.remove(i, 2);
            } else {
                missingValue = true;
                args.remove(i);
            }
        } else if (a.startsWith(QLatin1String("--screen="))) {
            fromArgs = a.mid(9);
            args.remove(i);
        } else {
            ++i;
        }
    }
    if (missingValue && !fromArgs) {
        if (error) *error = QStringLiteral("Thiếu tên màn hình sau --screen.");
        return std::nullopt;
    }
    const QString name = fromArgs ? *fromArgs : environmentValue;
    if (name.isEmpty() && !fromArgs) return std::nullopt;
    if (!findProfile(name)) {
        if (error) *error = unknownScreenMessage(name);
        return std::nullopt;
    }
    return findProfile(name)->name;
}

void selectFromArguments(QStringList& args) {
    QString error;
    const std::optional<QString> name =
        screenChoice(args, qEnvironmentVariable("VELMORA_SCREEN"), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        std::fflush(stderr);
        std::exit(2);
    }
    if (name) select(*name);
}

int scaleWithDpi(int v, int dpi) {
    return (v * dpi + 48) / 96;
}
int ScaleX(int v) {
    return scaleWithDpi(v, current().dpi);
}
int ScaleY(int v) {
    return scaleWithDpi(v, current().dpi);
}

int MulDiv(int a, int b, int d) {
    if (d == 0) return -1;
    const bool negative = ((a < 0) != (b < 0)) != (d < 0);
    const long long num =
        std::llabs(static_cast<long long>(a)) * std::llabs(static_cast<long long>(b));
    const long long den = std::llabs(static_cast<long long>(d));
    const long long magnitude = (num + den / 2) / den;
    if (magnitude > std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

ScreenOrientation orientationOf(int width, int height) {
    // 10w > 13h is w > 1.3h without floating point.
    if (10LL * width > 13LL * height) return Landscape;
    if (10LL * height > 13LL * width) return Portrait;
    return Square;
}

ScreenOrientation GetScreenOrientation() {
    return orientationOf(current().width, current().height);
}

} // namespace velmora::screen
