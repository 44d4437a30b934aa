#include "startup/ui/DialogFont.h"

#include <QApplication>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

void useDesktopFontForDialogs() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QStringList installed = QFontDatabase::families();
    // Scalable faces without embedded bitmaps, proportional first.
    for (const QString& face : {u"Noto Sans CJK JP"_s, u"Source Han Sans JP"_s, u"IPAexGothic"_s,
                                u"VL PGothic"_s, u"TakaoPGothic"_s, u"Noto Sans Mono CJK JP"_s}) {
        if (installed.contains(face)) {
            font.setFamilies({font.family(), face});
            break;
        }
    }
    QApplication::setFont(font);
}
