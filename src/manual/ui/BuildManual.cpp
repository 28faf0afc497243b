// Build step: renders the user manual (a rich-text page with its pictures) to Kagiroi.pdf with
// the Japanese font, and paints the program's icon for the desktop entry.
//   kagiroi-build-manual <manual.html> <out.pdf> <out-icon.png>
#include "widgets/DesktopLook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char* argv[]) {
    // A build machine has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kagiroi-build-manual <manual.html> <out.pdf> <icon.png>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    // The pictures sit in images/ beside the page and are named so in it.
    QDir images(QFileInfo(source).absolutePath() + QStringLiteral("/images"));
    for (const QString& name : images.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        QImage picture(images.filePath(name));
        if (picture.isNull()) {
            std::fprintf(stderr, "%s: not a picture\n", qPrintable(images.filePath(name)));
            return 1;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/") + name),
                             picture);
    }
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(source.readAll()));

    QString pdf = QString::fromLocal8Bit(argv[2]);
    QString part = pdf + QStringLiteral(".part");
    {
        QPdfWriter writer(part);
        writer.setTitle(QStringLiteral("Kagiroi 使用解説書"));
        writer.setCreator(QStringLiteral("Kagiroi"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        document.print(&writer);
    }  // the writer finishes the file here
    QFile::remove(pdf);
    if (QFileInfo(part).size() == 0 || !QFile::rename(part, pdf)) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    if (!kagiroi::ProgramIconImage(256).save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "%s: cannot write\n", argv[3]);
        return 1;
    }
    return 0;
}
