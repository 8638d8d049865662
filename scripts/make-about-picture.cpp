// Draws data/about.jpg, the About window's picture: a tall QSL-card-like design
// with an antenna tower, radio waves, a globe and the club's letters.
// Build and run once (the suffix of OUT chooses the format):
//   g++ -std=c++20 -fPIC scripts/make-about-picture.cpp $(pkg-config --cflags --libs Qt6Gui) -o
//   /tmp/about QT_QPA_PLATFORM=offscreen /tmp/about data/about.jpg
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 548;
constexpr int kHeight = 1192;

void DrawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(10, 20, 70));
    sky.setColorAt(0.55, QColor(30, 70, 150));
    sky.setColorAt(1.0, QColor(240, 170, 80));
    p.fillRect(0, 0, kWidth, kHeight, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 60; ++i) {
        double x = std::fmod(i * 97.3, kWidth);
        double y = std::fmod(i * 53.7, 420.0) + 20;
        p.drawEllipse(QPointF(x, y), 1.5 + (i % 3), 1.5 + (i % 3));
    }
}

void DrawGlobe(QPainter& p, QPointF centre, double radius) {
    QRadialGradient sea(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    sea.setColorAt(0, QColor(90, 170, 240));
    sea.setColorAt(1, QColor(10, 60, 140));
    p.setBrush(sea);
    p.setPen(QPen(QColor(220, 235, 255), 4));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 235, 255, 170), 2));
    for (int i = 1; i < 4; ++i) {
        double w = radius * i / 4.0;
        p.drawEllipse(centre, w, radius);
        double y = radius * (i - 2) / 2.0;
        double half = std::sqrt(radius * radius - y * y);
        p.drawLine(QPointF(centre.x() - half, centre.y() + y),
                   QPointF(centre.x() + half, centre.y() + y));
    }
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
}

void DrawTower(QPainter& p) {
    const double base = kHeight - 150, top = 560, x = kWidth / 2.0;
    p.setPen(QPen(QColor(40, 40, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - 60, base), QPointF(x, top));
    p.drawLine(QPointF(x + 60, base), QPointF(x, top));
    p.setPen(QPen(QColor(40, 40, 40), 3));
    for (int i = 1; i < 10; ++i) {
        double y0 = base - (base - top) * (i - 1) / 10.0, y1 = base - (base - top) * i / 10.0;
        double w0 = 60.0 * (y0 - top) / (base - top), w1 = 60.0 * (y1 - top) / (base - top);
        p.drawLine(QPointF(x - w0, y0), QPointF(x + w1, y1));
        p.drawLine(QPointF(x + w0, y0), QPointF(x - w1, y1));
    }
    // A Yagi on the top.
    p.setPen(QPen(QColor(30, 30, 30), 5));
    p.drawLine(QPointF(x - 120, top), QPointF(x + 120, top));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(x + i * 38, top - 30), QPointF(x + i * 38, top + 30));
    // Waves leaving the antenna.
    p.setPen(QPen(QColor(255, 220, 90), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 3; ++i) {
        double r = 60.0 + i * 45;
        p.drawArc(QRectF(x - r, top - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    }
}

void DrawTexts(QPainter& p) {
    QFont big("DejaVu Sans", 96, QFont::Black);
    p.setFont(big);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(0, 40, kWidth, 140), Qt::AlignCenter, "DXCC");
    QFont mid("DejaVu Sans", 54, QFont::Bold);
    p.setFont(mid);
    p.setPen(QColor(255, 220, 90));
    p.drawText(QRect(0, 180, kWidth, 80), Qt::AlignCenter, "ZORVA");
    QFont small("DejaVu Sans Mono", 30, QFont::Bold);
    p.setFont(small);
    p.setPen(QColor(20, 20, 40));
    p.drawText(QRect(0, kHeight - 130, kWidth, 50), Qt::AlignCenter, "QSL  TNX  73");
}

void DrawCardFrame(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255), 14));
    p.drawRoundedRect(QRectF(14, 14, kWidth - 28, kHeight - 28), 30, 30);
    p.setPen(QPen(QColor(200, 30, 40), 6));
    p.drawRoundedRect(QRectF(32, 32, kWidth - 64, kHeight - 64), 22, 22);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.jpg\n", argv[0]);
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSky(p);
    DrawGlobe(p, QPointF(kWidth / 2.0, 400), 130);
    DrawTower(p);
    DrawTexts(p);
    DrawCardFrame(p);
    p.end();
    return image.save(argv[1], nullptr, 90) ? 0 : 1;
}
