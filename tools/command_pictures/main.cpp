#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include "pictures.h"

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path)) return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

}  // namespace

// command_pictures <folder>: writes minimise.bmp (104 x 17), maximise.bmp
// (100 x 17), close.bmp (168 x 17) and hand.png into the folder.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: command_pictures <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = Save(DrawStrip(26, Glyph::Minimise, FourthFrame::Pressed), folder, "minimise.bmp");
    ok = Save(DrawStrip(25, Glyph::Maximise, FourthFrame::Hover), folder, "maximise.bmp") && ok;
    ok = Save(DrawStrip(42, Glyph::Close, FourthFrame::Pressed), folder, "close.bmp") && ok;
    ok = Save(DrawHand(), folder, "hand.png") && ok;
    return ok ? 0 : 1;
}
