#include "resources/builtin/BuiltinImages.h"

using namespace Qt::StringLiterals;

// Outside any namespace: the registration function rcc generates lives in the global one.
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

QString fileName(BuiltinImage image) {
    switch (image) {
    case BuiltinImage::Colon:
        return u"colon.png"_s;
    case BuiltinImage::Caption:
        return u"caption.png"_s;
    case BuiltinImage::Lamp:
        return u"lamp.png"_s;
    case BuiltinImage::Skin:
        return u"skin.png"_s;
    case BuiltinImage::TrayIdle:
        return u"tray-idle.png"_s;
    case BuiltinImage::TrayIdleSmall:
        return u"tray-idle-16.png"_s;
    case BuiltinImage::TrayUpdating:
        return u"tray-updating.png"_s;
    case BuiltinImage::TrayUpdatingSmall:
        return u"tray-updating-16.png"_s;
    case BuiltinImage::TrayInfo:
        return u"tray-info.png"_s;
    case BuiltinImage::TrayInfoSmall:
        return u"tray-info-16.png"_s;
    case BuiltinImage::App:
        return u"app.png"_s;
    case BuiltinImage::AppSmall:
        return u"app-48.png"_s;
    case BuiltinImage::AppLarge:
        return u"app-128.png"_s;
    }
    return {};
}

} // namespace

QString builtinImagePath(BuiltinImage image) {
    registerPictures();
    return u":/pictures/"_s + fileName(image);
}

QString builtinDigitPath(int digit) {
    Q_ASSERT(digit >= 0 && digit <= 9);
    registerPictures();
    return u":/pictures/digit%1.png"_s.arg(digit);
}
