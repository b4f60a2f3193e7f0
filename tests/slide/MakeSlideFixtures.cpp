// Writes the repository's slide fixtures: make_slide_fixtures tests/data/slide
#include "SlideFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: make_slide_fixtures FOLDER\n", stderr);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const tw::test::SlideFixture &fixture : tw::test::slideFixtures()) {
        const QString path = folder.filePath(fixture.file);
        QSaveFile file(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
            file.write(fixture.data) != fixture.data.size() || !file.commit()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
            return 1;
        }
    }
    return 0;
}
