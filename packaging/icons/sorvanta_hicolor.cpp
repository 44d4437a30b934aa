// sorvanta-hicolor: writes the application icon in every hicolor size, as
// OUTPUT/<size>x<size>/apps/NAME.png, from its pixel art drawn at 16 and at 32 pixels.
#include "display/ui/CrispIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

using namespace Qt::StringLiterals;

// The sizes in which the application icon is installed into the hicolor icon theme.
constexpr int HicolorSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 5) {
        std::fputs("Usage: sorvanta-hicolor ART-16 ART-32 OUTPUT NAME\n", stderr);
        return 2;
    }
    const QImage small(arguments[1]);
    const QImage large(arguments[2]);
    if (small.size() != QSize(16, 16) || large.size() != QSize(32, 32)) {
        std::fputs("sorvanta-hicolor: the art must be 16 x 16 and 32 x 32 pictures\n", stderr);
        return 1;
    }
    for (const int size : HicolorSizes) {
        const QString folder = u"%1/%2x%2/apps"_s.arg(arguments[3], QString::number(size));
        const QString path = folder + u'/' + arguments[4] + u".png"_s;
        if (!QDir().mkpath(folder) || !crispSquare(small, large, size).save(path)) {
            std::fprintf(stderr, "sorvanta-hicolor: cannot write %s\n", qUtf8Printable(path));
            return 1;
        }
    }
    return 0;
}
