#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/window_pictures/pictures.h"

namespace {

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_pictures <resources/images folder>\n");
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    if (!images.mkpath("Frmmain") || !images.mkpath("FrmTi")) return 1;
    const QDir main(images.filePath("Frmmain"));
    const QDir prompt(images.filePath("FrmTi"));
    bool ok = save(pictures::MainSkin(), main, "skin.png");
    ok &= save(pictures::TitleButtonStrip(26, pictures::kMinimise), main, "command1.png");
    ok &= save(pictures::TitleButtonStrip(25, pictures::kMenu), main, "command2.png");
    ok &= save(pictures::TitleButtonStrip(42, pictures::kClose), main, "command3.png");
    ok &= save(pictures::HandPointer(), main, "hand.png");
    ok &= save(pictures::ProgramIcon(), main, "icon.png");
    ok &= save(pictures::PromptIcon(), prompt, "icon.png");
    return ok ? 0 : 1;
}
