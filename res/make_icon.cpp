// Draws the program's icon (orvane.png): a set-top box under a satellite signal. Run by hand
// when the icon changes: make_icon <path>.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const int size = 64;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Rounded blue tile.
    QLinearGradient tile(0, 0, 0, size);
    tile.setColorAt(0, QColor(0x3b, 0x7d, 0xd8));
    tile.setColorAt(1, QColor(0x1d, 0x4a, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 12, 12);

    // Signal arcs coming down from the top right.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 230 - 50 * i), 3.5, Qt::SolidLine, Qt::RoundCap));
        const double r = 8 + 8 * i;
        p.drawArc(QRectF(46 - r, 16 - r, 2 * r, 2 * r), 180 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(46, 16), 3.5, 3.5);

    // The box: a flat case with a display and two buttons.
    p.setBrush(QColor(0xf2, 0xf4, 0xf7));
    p.drawRoundedRect(QRectF(9, 38, 46, 16), 3, 3);
    p.setBrush(QColor(0x1d, 0x4a, 0x8f));
    p.drawRoundedRect(QRectF(13, 42, 16, 8), 1.5, 1.5);
    p.setBrush(QColor(0x4c, 0xd9, 0x64));
    p.drawEllipse(QPointF(16.5, 46), 1.5, 1.5);
    p.setBrush(QColor(0x8a, 0x94, 0xa6));
    p.drawEllipse(QPointF(43, 46), 2.5, 2.5);
    p.drawEllipse(QPointF(50, 46), 2.5, 2.5);
    p.end();
    return image.save(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("orvane.png"))
               ? 0
               : 1;
}
