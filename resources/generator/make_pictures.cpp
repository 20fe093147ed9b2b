// Draws every picture the program shows and writes them into resources/pictures. The results
// are committed; run this only to change a picture:
//   quillfen-make-pictures <repo>/resources/pictures
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <jpeglib.h>

namespace {

QString outDir;

using Draw = std::function<void(QPainter&)>;

QImage paint(int w, int h, const Draw& draw, QColor background = Qt::transparent) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(background);
    QPainter p(&image);
    draw(p);
    return image;
}

void savePng(const QString& name, const QImage& image) {
    if (!image.save(outDir + "/" + name, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

// libjpeg directly, so that the logo is really progressive and the banner baseline.
void saveJpeg(const QString& name, const QImage& source, bool progressive) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* out = std::fopen(qPrintable(outDir + "/" + name), "wb");
    if (!out)
        return;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = image.width();
    info.image_height = image.height();
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(image.constScanLine(info.next_scanline));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

const QColor ink(0, 0, 0);
const QColor paper(255, 255, 255);
const QColor shade(128, 128, 128);
const QColor navy(0, 0, 128);
const QColor yellow(255, 255, 0);
const QColor teal(0, 128, 128);

void page(QPainter& p, QRect r) {
    p.setPen(ink);
    p.setBrush(paper);
    QPolygon outline;
    outline << r.topLeft() << QPoint(r.right() - 3, r.top()) << QPoint(r.right(), r.top() + 3)
            << r.bottomRight() << r.bottomLeft();
    p.drawPolygon(outline);
    p.drawLine(r.right() - 3, r.top(), r.right() - 3, r.top() + 3);
    p.drawLine(r.right() - 3, r.top() + 3, r.right(), r.top() + 3);
}

void textLines(QPainter& p, QRect r) {
    p.setPen(shade);
    for (int y = r.top() + 5; y < r.bottom() - 1; y += 2)
        p.drawLine(r.left() + 2, y, r.right() - 3, y);
}

void lens(QPainter& p, QPoint centre, int radius) {
    p.setPen(QPen(ink, 2));
    p.drawLine(centre + QPoint(radius - 1, radius - 1), centre + QPoint(radius + 3, radius + 3));
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(170, 220, 255));
    p.drawEllipse(centre, radius, radius);
}

void cross(QPainter& p) {
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(4, 4, 11, 11);
    p.drawLine(11, 4, 4, 11);
}

void closedFolder(QPainter& p, QRect r, QColor body) {
    p.setPen(ink);
    p.setBrush(body);
    p.drawRect(r.left(), r.top() + 2, r.width() - 1, r.height() - 3);
    p.drawRect(r.left(), r.top(), r.width() / 2, 2);
}

void openFolder(QPainter& p) {
    closedFolder(p, QRect(1, 2, 13, 11), QColor(192, 160, 0));
    p.setBrush(yellow);
    QPolygon front;
    front << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 13) << QPoint(1, 13);
    p.drawPolygon(front);
}

void arrow(QPainter& p, bool left) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(left ? 12 : 3, 12);
    path.cubicTo(left ? 12 : 3, 4, left ? 6 : 9, 4, left ? 4 : 11, 6);
    p.setPen(QPen(navy, 2));
    p.drawPath(path);
    p.setBrush(navy);
    p.setPen(Qt::NoPen);
    QPolygon head;
    if (left)
        head << QPoint(1, 6) << QPoint(7, 2) << QPoint(7, 10);
    else
        head << QPoint(14, 6) << QPoint(8, 2) << QPoint(8, 10);
    p.drawPolygon(head);
}

// The fifteen glyphs of the image list, by index.
std::vector<Draw> glyphs() {
    return {
        [](QPainter& p) { // 0 scissors
            p.setPen(QPen(ink, 1));
            p.drawLine(5, 1, 9, 10);
            p.drawLine(10, 1, 6, 10);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(navy, 2));
            p.drawEllipse(QPoint(5, 12), 2, 2);
            p.drawEllipse(QPoint(10, 12), 2, 2);
        },
        [](QPainter& p) { // 1 two overlapping pages
            page(p, QRect(1, 1, 9, 11));
            page(p, QRect(5, 4, 9, 11));
            textLines(p, QRect(5, 4, 9, 11));
        },
        [](QPainter& p) { // 2 clipboard
            p.setPen(ink);
            p.setBrush(QColor(160, 110, 40));
            p.drawRect(2, 2, 11, 13);
            p.setBrush(paper);
            p.drawRect(4, 4, 7, 9);
            p.setBrush(shade);
            p.drawRect(5, 1, 5, 2);
        },
        [](QPainter& p) { arrow(p, true); },               // 3 curved arrow left
        [](QPainter& p) { arrow(p, false); },              // 4 curved arrow right
        [](QPainter& p) { cross(p); },                     // 5 black cross
        [](QPainter& p) { page(p, QRect(3, 1, 10, 14)); }, // 6 blank page
        [](QPainter& p) { openFolder(p); },                // 7 open folder
        [](QPainter& p) {                                  // 8 floppy disk
            p.setPen(ink);
            p.setBrush(navy);
            p.drawRect(1, 1, 13, 13);
            p.setBrush(paper);
            p.drawRect(4, 1, 7, 5);
            p.setBrush(shade);
            p.drawRect(4, 9, 7, 5);
        },
        [](QPainter& p) { // 9 page with a magnifying glass
            page(p, QRect(1, 1, 10, 13));
            textLines(p, QRect(1, 1, 10, 13));
            lens(p, QPoint(9, 8), 3);
        },
        [](QPainter& p) { // 10 page with a writing pen
            page(p, QRect(1, 1, 10, 13));
            textLines(p, QRect(1, 1, 10, 13));
            p.setPen(QPen(QColor(128, 0, 0), 2));
            p.drawLine(14, 2, 7, 11);
            p.setPen(QPen(ink, 1));
            p.drawLine(7, 11, 6, 13);
        },
        [](QPainter& p) { // 11 pointer with a question mark
            p.setPen(ink);
            p.setBrush(paper);
            QPolygon pointer;
            pointer << QPoint(1, 1) << QPoint(1, 12) << QPoint(4, 9) << QPoint(6, 14)
                    << QPoint(8, 13) << QPoint(6, 8) << QPoint(10, 8);
            p.drawPolygon(pointer);
            QFont f("Liberation Sans");
            f.setPixelSize(10);
            f.setBold(true);
            p.setFont(f);
            p.setPen(navy);
            p.drawText(QRect(9, 0, 7, 12), Qt::AlignCenter, "?");
        },
        [](QPainter& p) { lens(p, QPoint(6, 6), 4); }, // 12 magnifying glass
        [](QPainter& p) {                              // 13 magnifying glass with arrows
            lens(p, QPoint(8, 7), 3);
            p.setPen(navy);
            p.drawLine(0, 3, 4, 3);
            p.drawLine(0, 3, 2, 1);
            p.drawLine(0, 3, 2, 5);
            p.drawLine(11, 14, 15, 14);
            p.drawLine(15, 14, 13, 12);
        },
        [](QPainter& p) { // 14 printer
            p.setPen(ink);
            p.setBrush(paper);
            p.drawRect(4, 1, 7, 5);
            p.setBrush(QColor(192, 192, 192));
            p.drawRect(1, 6, 13, 6);
            p.setBrush(paper);
            p.drawRect(4, 10, 7, 5);
            p.setPen(QColor(0, 160, 0));
            p.drawPoint(12, 8);
        },
    };
}

// A 14 x 14 closed folder, black outline, yellow-and-white checkered body, on purple: the
// purple is the colour drawn transparent.
QImage leafPicture() {
    return paint(
        14, 14,
        [](QPainter& p) {
            p.setPen(ink);
            p.setBrush(Qt::NoBrush);
            p.drawRect(0, 3, 13, 9);
            p.drawRect(0, 1, 6, 2);
            for (int y = 4; y < 12; ++y)
                for (int x = 1; x < 13; ++x)
                    p.fillRect(x, y, 1, 1, (x + y) % 2 ? yellow : paper);
            p.fillRect(1, 2, 5, 1, yellow);
        },
        QColor(128, 0, 128));
}

void drivePicture(const QString& name, const Draw& draw) {
    savePng(name, paint(16, 16, draw));
}

void drivePictures() {
    drivePicture("drive_floppy.png", glyphs()[8]);
    drivePicture("drive_hard.png", [](QPainter& p) {
        p.setPen(ink);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(1, 5, 13, 6);
        p.fillRect(11, 8, 2, 1, QColor(0, 200, 0));
    });
    drivePicture("drive_network.png", [](QPainter& p) {
        p.setPen(ink);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(1, 2, 13, 5);
        p.fillRect(11, 4, 2, 1, QColor(0, 200, 0));
        p.drawLine(7, 8, 7, 12);
        p.drawLine(2, 13, 13, 13);
    });
    drivePicture("drive_cdrom.png", [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(ink);
        p.setBrush(QColor(220, 220, 235));
        p.drawEllipse(QPoint(8, 8), 6, 6);
        p.setBrush(paper);
        p.drawEllipse(QPoint(8, 8), 1, 1);
    });
    drivePicture("drive_ram.png", [](QPainter& p) {
        p.setPen(ink);
        p.setBrush(QColor(0, 120, 0));
        p.drawRect(1, 5, 13, 5);
        p.setPen(QColor(230, 200, 60));
        for (int x = 2; x < 14; x += 2)
            p.drawLine(x, 11, x, 12);
        p.fillRect(3, 6, 3, 3, ink);
        p.fillRect(9, 6, 3, 3, ink);
    });
}

// The quill on an ink-blue tile: the window and application icon, at any size.
QImage icon(int size) {
    return paint(size, size, [size](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        p.setPen(QPen(QColor(10, 20, 60), 1));
        p.setBrush(QColor(30, 60, 140));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
        QPainterPath feather;
        feather.moveTo(6, 27);
        feather.cubicTo(10, 16, 18, 7, 28, 3);
        feather.cubicTo(25, 12, 18, 21, 6, 27);
        p.setBrush(QColor(250, 240, 200));
        p.setPen(QPen(QColor(120, 90, 30), 0.8));
        p.drawPath(feather);
        p.setPen(QPen(QColor(120, 90, 30), 1.2));
        p.drawLine(QPointF(6, 27), QPointF(22, 10));
        p.setPen(QPen(QColor(255, 210, 60), 1.5));
        p.drawLine(QPointF(4, 29), QPointF(8, 25));
    });
}

QImage logo() {
    return paint(
        250, 150,
        [](QPainter& p) {
            p.setRenderHint(QPainter::Antialiasing);
            // The top eight rows and the last column and row never show on the splash window.
            p.translate(0, 8);
            p.drawImage(22, 8, icon(96));
            QFont f("Liberation Serif");
            f.setPixelSize(30);
            f.setBold(true);
            f.setItalic(true);
            p.setFont(f);
            p.setPen(QColor(255, 210, 60));
            p.drawText(QRect(124, 20, 120, 40), Qt::AlignLeft | Qt::AlignVCenter, "Quill");
            p.setPen(QColor(230, 230, 240));
            p.drawText(QRect(124, 56, 120, 40), Qt::AlignLeft | Qt::AlignVCenter, "fen");
        },
        Qt::black);
}

QImage banner() {
    return paint(
        682, 192,
        [](QPainter& p) {
            p.setRenderHint(QPainter::Antialiasing);
            QLinearGradient band(0, 0, 0, 56);
            band.setColorAt(0, QColor(10, 10, 30));
            band.setColorAt(1, QColor(30, 50, 110));
            p.fillRect(0, 0, 682, 56, band);
            QFont f("Liberation Sans");
            f.setPixelSize(40);
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(30, 50, 110));
            // The lower part stays white: the separator line and the heading lie over it.
            p.drawText(QRect(0, 62, 682, 70), Qt::AlignCenter, "Every script in its place.");
        },
        Qt::white);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillfen-make-pictures <output folder>\n");
        return 2;
    }
    outDir = argv[1];
    QDir().mkpath(outDir);
    const auto list = glyphs();
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
        savePng(QString("glyph%1.png").arg(i, 2, 10, QChar('0')), paint(16, 16, list[i]));
    // The popup menu's items carry pictures of their own, drawn like the tool bar's.
    savePng("popup_preview.png", paint(16, 16, list[12]));
    savePng("popup_edit.png", paint(16, 16, list[9]));
    savePng("popup_new.png", paint(16, 16, list[6]));
    savePng("popup_delete.png", paint(16, 16, list[5]));
    savePng("leaf.png", leafPicture());
    savePng("folder_closed.png",
            paint(16, 16, [](QPainter& p) { closedFolder(p, QRect(1, 2, 14, 12), yellow); }));
    savePng("folder_open.png", paint(16, 16, list[7]));
    drivePictures();
    for (int size : {16, 32, 48, 64, 128, 256})
        savePng(QString("icon%1.png").arg(size), icon(size));
    saveJpeg("logo.jpg", logo(), true);
    saveJpeg("banner.jpg", banner(), false);
    return 0;
}
