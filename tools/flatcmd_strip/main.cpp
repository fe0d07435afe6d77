#include <QDir>
#include <QTextStream>

#include "strip.h"

// flatcmd_strip <folder>: writes strip.bmp (180 x 26, 24 bits) into the
// folder.
int main(int argc, char** argv) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: flatcmd_strip <folder>\n";
        return 2;
    }
    const QImage strip = DrawCategoryStrip();
    if (HasKeyColour(strip)) {
        QTextStream(stderr) << "the strip holds a key colour\n";
        return 1;
    }
    const QString path =
        QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("strip.bmp"));
    if (!strip.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return 1;
    }
    return 0;
}
