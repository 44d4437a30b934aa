// Draws the program's built-in pictures and shipped skins, so they can be redrawn from source.
// Usage: sorvanta-drawresources [--font FILE] [--preview FILE] IMAGES_FOLDER SKINS_FOLDER

#include "Pictures.h"
#include "PixelArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

class PictureWriter {
public:
    bool save(const QImage& image, const QString& path) {
        if (!image.isNull() && QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path))
            return true;
        fail(u"cannot write "_s + QDir::toNativeSeparators(path));
        return false;
    }
    void fail(const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        m_failed = true;
    }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

const SkinScheme plainScheme{QColor(26, 27, 32), QColor(70, 82, 96), QColor(104, 118, 134),
                             QColor(14, 15, 18)};

struct ShippedSkin {
    QString folder;
    QString file;
    SkinScheme scheme;
};

const QList<ShippedSkin> shippedSkins = {
    {u"その他"_s, u"無地1.bmp"_s, plainScheme},
    {u"ブルー"_s,
     u"ブルー1.bmp"_s,
     {QColor(12, 24, 58), QColor(44, 96, 168), QColor(120, 160, 220), QColor(6, 12, 30)}},
    {u"メタル"_s,
     u"メタル1.bmp"_s,
     {QColor(92, 96, 102), QColor(198, 202, 208), QColor(236, 238, 242), QColor(52, 54, 58)}},
    {u"ワイン"_s,
     u"ワイン1.bmp"_s,
     {QColor(40, 12, 20), QColor(120, 36, 52), QColor(170, 80, 96), QColor(20, 6, 10)}},
};

void drawLedPictures(PictureWriter& writer, const QDir& images, const QString& fontFile) {
    for (int value = 0; value <= 9; ++value)
        writer.save(drawDigit(value), images.filePath(u"digit%1.png"_s.arg(value)));
    writer.save(drawColon(), images.filePath(u"colon.png"_s));
    writer.save(drawCaption(), images.filePath(u"caption.png"_s));
    if (const std::optional<QImage> lamp = drawLamp(fontFile))
        writer.save(*lamp, images.filePath(u"lamp.png"_s));
    else
        writer.fail(u"cannot draw the update lamp with the font "_s + fontFile);
}

void drawIcons(PictureWriter& writer, const QDir& images) {
    const QList<std::pair<TrayState, QString>> states = {
        {TrayState::Idle, u"idle"_s}, {TrayState::Updating, u"updating"_s}, {TrayState::Info, u"info"_s}};
    for (const auto& [state, name] : states) {
        writer.save(drawTrayIcon(state, 32), images.filePath(u"tray-%1.png"_s.arg(name)));
        writer.save(drawTrayIcon(state, 16), images.filePath(u"tray-%1-16.png"_s.arg(name)));
    }
    // The application icon is the lit sign, enlarged by whole factors so its dots stay sharp.
    writer.save(scaledUp(drawTrayIcon(TrayState::Info, 16), 3), images.filePath(u"app-48.png"_s));
    writer.save(scaledUp(drawTrayIcon(TrayState::Info, 32), 2), images.filePath(u"app.png"_s));
    writer.save(scaledUp(drawTrayIcon(TrayState::Info, 32), 4), images.filePath(u"app-128.png"_s));
}

void drawSkins(PictureWriter& writer, const QDir& images, const QDir& skins) {
    const QImage builtIn = drawSkin(plainScheme);
    writer.save(builtIn, images.filePath(u"skin.png"_s));
    writer.save(toPaletteImage(builtIn), images.filePath(u"skin.bmp"_s));
    for (const ShippedSkin& skin : shippedSkins)
        writer.save(toPaletteImage(drawSkin(skin.scheme)), skins.filePath(skin.folder + u"/"_s + skin.file));
}

} // namespace

int main(int argc, char* argv[]) {
    // Fonts need a GUI application, but nothing is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Draws Sorvanta's built-in pictures and shipped skins."_s);
    parser.addHelpOption();
    const QCommandLineOption fontOption(u"font"_s, u"Font file for the update lamp's lettering."_s, u"file"_s,
                                        u"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"_s);
    parser.addOption(fontOption);
    const QCommandLineOption previewOption(
        u"preview"_s, u"Also write an enlarged sheet of the window and icons to check by eye."_s, u"file"_s);
    parser.addOption(previewOption);
    parser.addPositionalArgument(u"images"_s, u"Folder for the built-in pictures."_s);
    parser.addPositionalArgument(u"skins"_s, u"Folder for the shipped skins (the Images folder)."_s);
    parser.process(app);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);

    PictureWriter writer;
    const QDir images(parser.positionalArguments().at(0));
    drawLedPictures(writer, images, parser.value(fontOption));
    drawIcons(writer, images);
    drawSkins(writer, images, QDir(parser.positionalArguments().at(1)));
    if (parser.isSet(previewOption))
        writer.save(composePreview(images, 4), parser.value(previewOption));
    return writer.failed() ? 1 : 0;
}
