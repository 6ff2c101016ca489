// Draws the transfer dialog's connection lamps: a red disc (not connected) and a green one
// (connected), 20 x 20 pixels on white. Run by hand when they change: make_lamps <directory>.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

namespace {

bool DrawLamp(const QColor& color, const QString& path) {
    const int size = 20;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Lit from the upper left: a light spot fading into the lamp's colour, with a darker rim.
    QRadialGradient glow(QPointF(7.5, 7.5), 10);
    glow.setColorAt(0, color.lighter(170));
    glow.setColorAt(0.6, color);
    glow.setColorAt(1, color.darker(130));
    p.setPen(QPen(color.darker(170), 1));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
    p.end();
    return image.save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool bRed =
        DrawLamp(QColor(0xd9, 0x2b, 0x2b), dir.filePath(QStringLiteral("lamp_red.png")));
    const bool bGreen =
        DrawLamp(QColor(0x2f, 0xb3, 0x44), dir.filePath(QStringLiteral("lamp_green.png")));
    return bRed && bGreen ? 0 : 1;
}
