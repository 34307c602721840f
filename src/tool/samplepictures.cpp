#include "samplepictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace velunto::samples {

namespace {

constexpr double kPi = 3.14159265358979323846;

QImage canvas(int width = kSampleWidth, int height = kSampleHeight)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void antialiased(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points, bool closed = true)
{
    QPainterPath path;
    auto it = points.begin();
    path.moveTo(*it);
    for (++it; it != points.end(); ++it)
        path.lineTo(*it);
    if (closed)
        path.closeSubpath();
    return path;
}

// Strokes path with a width that grows from w0 to w1 along it: a river that
// widens on its way.
void taperedStroke(QPainter& p, const QPainterPath& path, double w0, double w1,
                   const QColor& colour)
{
    constexpr int kSteps = 160;
    QPointF last = path.pointAtPercent(0.0);
    for (int i = 1; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const QPointF next = path.pointAtPercent(t);
        p.setPen(QPen(colour, w0 + (w1 - w0) * t, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(last, next);
        last = next;
    }
}

// A river with a darker bank line under its water.
void river(QPainter& p, const QPainterPath& path, double w0, double w1)
{
    taperedStroke(p, path, w0 + 4, w1 + 4, QColor(0x2f, 0x5f, 0x96));
    taperedStroke(p, path, w0, w1, QColor(0x5b, 0x9b, 0xd5));
}

QPainterPath curve(QPointF from, QPointF c1, QPointF c2, QPointF to)
{
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    return path;
}

void mountain(QPainter& p, QPointF peak, double width, double height, const QColor& rock)
{
    const QPointF left(peak.x() - width / 2, peak.y() + height);
    const QPointF right(peak.x() + width / 2, peak.y() + height);
    p.setPen(QPen(rock.darker(140), 2));
    p.setBrush(rock);
    p.drawPath(polygonPath({left, peak, right}));
    // The shadowed side.
    p.setPen(Qt::NoPen);
    p.setBrush(rock.darker(118));
    p.drawPath(polygonPath({peak, right, QPointF(peak.x() + width * 0.08, peak.y() + height)}));
    // Snow on the top third.
    const double s = 0.3;
    p.setBrush(QColor(0xfb, 0xfb, 0xff));
    p.setPen(QPen(QColor(0xd0, 0xd8, 0xe8), 1.5));
    p.drawPath(polygonPath({QPointF(peak.x() - width / 2 * s, peak.y() + height * s), peak,
                            QPointF(peak.x() + width / 2 * s, peak.y() + height * s),
                            QPointF(peak.x() + width * 0.05, peak.y() + height * s * 0.75),
                            QPointF(peak.x() - width * 0.04, peak.y() + height * s * 1.05)}));
}

void tree(QPainter& p, QPointF foot, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x4f, 0x2f));
    p.drawRect(QRectF(foot.x() - size * 0.08, foot.y() - size * 0.35, size * 0.16, size * 0.35));
    p.setBrush(QColor(0x3d, 0x8b, 0x3d));
    p.drawEllipse(QPointF(foot.x(), foot.y() - size * 0.6), size * 0.38, size * 0.42);
    p.setBrush(QColor(0x52, 0xa3, 0x4e));
    p.drawEllipse(QPointF(foot.x() - size * 0.1, foot.y() - size * 0.7), size * 0.2, size * 0.2);
}

void house(QPainter& p, QPointF foot, double size)
{
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x2a), 1.5));
    p.setBrush(QColor(0xf3, 0xe6, 0xc8));
    p.drawRect(QRectF(foot.x() - size / 2, foot.y() - size * 0.7, size, size * 0.7));
    p.setBrush(QColor(0xc0, 0x39, 0x2b));
    p.drawPath(polygonPath({QPointF(foot.x() - size * 0.62, foot.y() - size * 0.66),
                            QPointF(foot.x(), foot.y() - size * 1.15),
                            QPointF(foot.x() + size * 0.62, foot.y() - size * 0.66)}));
}

void town(QPainter& p, QPointF centre)
{
    house(p, centre + QPointF(-22, 4), 24);
    house(p, centre + QPointF(8, -8), 28);
    house(p, centre + QPointF(30, 10), 22);
    house(p, centre + QPointF(-2, 22), 20);
}

void sun(QPainter& p, QPointF centre, double radius, int rays)
{
    p.setPen(QPen(QColor(0xf5, 0xa6, 0x23), radius * 0.09, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < rays; ++i) {
        const double a = 2 * kPi * i / rays;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * radius * 1.2,
                   centre + QPointF(std::cos(a), std::sin(a)) * radius * 1.55);
    }
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, QColor(0xff, 0xf3, 0x8a));
    glow.setColorAt(1.0, QColor(0xff, 0xc1, 0x2e));
    p.setPen(QPen(QColor(0xf0, 0x9a, 0x10), 3));
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
}

void cloud(QPainter& p, QPointF centre, double size, const QColor& colour)
{
    p.setPen(QPen(colour.darker(125), 2));
    p.setBrush(colour);
    QPainterPath path;
    path.addEllipse(centre + QPointF(-size * 0.55, size * 0.08), size * 0.42, size * 0.3);
    path.addEllipse(centre + QPointF(-size * 0.15, -size * 0.18), size * 0.45, size * 0.4);
    path.addEllipse(centre + QPointF(size * 0.35, -size * 0.05), size * 0.42, size * 0.34);
    path.addEllipse(centre + QPointF(size * 0.7, size * 0.12), size * 0.3, size * 0.24);
    path.addRoundedRect(
        QRectF(centre.x() - size * 0.8, centre.y() - size * 0.05, size * 1.75, size * 0.38),
        size * 0.18, size * 0.18);
    path.setFillRule(Qt::WindingFill);
    p.drawPath(path.simplified());
}

// An arrow along path with a head at its end.
void arrow(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    const QPointF tip = path.pointAtPercent(1.0);
    const double angle = path.angleAtPercent(0.999) * kPi / 180.0;
    const QPointF direction(std::cos(angle), -std::sin(angle));
    const QPointF normal(-direction.y(), direction.x());
    const double head = width * 3.4;
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawPath(
        polygonPath({tip + direction * head * 0.4, tip - direction * head + normal * head * 0.7,
                     tip - direction * head - normal * head * 0.7}));
}

// A long bone: a shaft between two rounded ends.
void bone(QPainter& p, QPointF a, QPointF b, double width)
{
    const QColor ivory(0xf6, 0xef, 0xdc);
    const QColor outline(0x6b, 0x5b, 0x45);
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath path;
    path.addPolygon(QPolygonF(
        {a + n * width * 0.32, b + n * width * 0.32, b - n * width * 0.32, a - n * width * 0.32}));
    for (const QPointF end : {a, b}) {
        const QPointF inward = end == a ? u : -u;
        path.addEllipse(end + n * width * 0.32 + inward * width * 0.1, width * 0.36, width * 0.36);
        path.addEllipse(end - n * width * 0.32 + inward * width * 0.1, width * 0.36, width * 0.36);
    }
    path.setFillRule(Qt::WindingFill);
    p.setPen(QPen(outline, 2.5));
    p.setBrush(ivory);
    p.drawPath(path.simplified());
}

QColor boneColour()
{
    return QColor(0xf6, 0xef, 0xdc);
}

QPen boneOutline(double width = 2.5)
{
    return QPen(QColor(0x6b, 0x5b, 0x45), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

// --- a river system ---------------------------------------------------------------

QImage riverSystemPicture()
{
    QImage image = canvas();
    QPainter p(&image);
    antialiased(p);

    QLinearGradient land(0, 0, kSampleWidth, kSampleHeight);
    land.setColorAt(0.0, QColor(0xe4, 0xee, 0xcf));
    land.setColorAt(1.0, QColor(0xcf, 0xe3, 0xb2));
    p.fillRect(image.rect(), land);

    // The sea in the south-east.
    const QPainterPath coast = polygonPath({{960, 1120},
                                            {1050, 1062},
                                            {1150, 1012},
                                            {1240, 990},
                                            {1330, 952},
                                            {1420, 902},
                                            {1510, 866},
                                            {1600, 836},
                                            {1600, 1120}});
    QLinearGradient sea(1200, 850, 1600, 1120);
    sea.setColorAt(0.0, QColor(0x8c, 0xc2, 0xeb));
    sea.setColorAt(1.0, QColor(0x4f, 0x8f, 0xcf));
    p.setPen(QPen(QColor(0x2f, 0x5f, 0x96), 3));
    p.setBrush(sea);
    p.drawPath(coast);
    p.setPen(QPen(QColor(0xe6, 0xf2, 0xfb), 2));
    for (int i = 0; i < 6; ++i) {
        const QPointF w(1330 + i * 45 - (i % 2) * 20, 1000 + (i % 3) * 38);
        p.drawArc(QRectF(w, QSizeF(30, 12)), 0, 180 * 16);
    }

    // Mountains in the north-west, hills in the north-east.
    const QColor rock(0xa8, 0x93, 0x7a);
    mountain(p, {170, 70}, 260, 240, rock);
    mountain(p, {340, 40}, 300, 280, rock.lighter(106));
    mountain(p, {500, 110}, 240, 200, rock);
    mountain(p, {80, 180}, 200, 170, rock.darker(104));
    const QColor hill(0xb9, 0xb0, 0x7e);
    p.setPen(QPen(hill.darker(130), 2));
    p.setBrush(hill);
    p.drawPath(curve({1060, 300}, {1120, 120}, {1260, 90}, {1330, 260}));
    p.drawPath(curve({1220, 300}, {1300, 110}, {1450, 100}, {1540, 290}));

    // Forests.
    std::mt19937 random(11);
    std::uniform_real_distribution<double> jitter(-30, 30);
    for (const QPointF centre :
         {QPointF(250, 560), QPointF(1320, 560), QPointF(720, 900), QPointF(1450, 660)}) {
        for (int i = 0; i < 9; ++i)
            tree(p, centre + QPointF(jitter(random) * 2.2, jitter(random)), 34);
    }

    // The lake and the rivers.
    p.setPen(QPen(QColor(0x2f, 0x5f, 0x96), 4));
    p.setBrush(QColor(0x7f, 0xb8, 0xe6));
    p.drawEllipse(QPointF(560, 520), 108, 60);

    const QPainterPath upper = curve({300, 250}, {330, 340}, {430, 390}, {462, 508});
    const QPainterPath middle = curve({660, 534}, {760, 560}, {850, 690}, {940, 668});
    const QPainterPath lower = curve({940, 668}, {1060, 650}, {1110, 880}, {1190, 930});
    const QPainterPath tributary = curve({1250, 230}, {1200, 380}, {980, 470}, {940, 668});
    const QPainterPath brook =
        curve({760, 150}, {730, 300}, {830, 430}, middle.pointAtPercent(0.5));
    const QPainterPath lakeBrook = curve({640, 230}, {610, 330}, {600, 400}, {585, 462});
    river(p, brook, 2, 6);
    river(p, lakeBrook, 2, 5);
    river(p, tributary, 3, 11);
    river(p, upper, 4, 9);
    river(p, middle, 11, 15);
    river(p, lower, 16, 22);
    for (const QPointF arm : {QPointF(1150, 1025), QPointF(1240, 992), QPointF(1318, 958)})
        river(p, curve({1190, 930}, {1200, 950}, arm + QPointF(-10, -30), arm), 12, 8);
    // The lake drawn again over the river ends.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7f, 0xb8, 0xe6));
    p.drawEllipse(QPointF(560, 520), 104, 56);

    // The source: a spring in the rock.
    p.setPen(QPen(QColor(0x2f, 0x5f, 0x96), 3));
    p.setBrush(QColor(0x5b, 0x9b, 0xd5));
    p.drawEllipse(QPointF(300, 250), 11, 11);

    town(p, {985, 720});
    town(p, {1090, 975});
    return image;
}

QImage compassRosePicture()
{
    QImage image(300, 300, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    antialiased(p);
    const QPointF c(150, 160);
    p.setPen(QPen(QColor(0x4a, 0x3b, 0x2a), 3));
    p.setBrush(QColor(0xfb, 0xf6, 0xe8));
    p.drawEllipse(c, 100, 100);
    for (int i = 0; i < 8; ++i) {
        const double a = kPi / 4 * i - kPi / 2;
        const double r = i % 2 == 0 ? 92 : 55;
        const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * r;
        const QPointF left = c + QPointF(std::cos(a - kPi / 2), std::sin(a - kPi / 2)) * 14;
        const QPointF right = c + QPointF(std::cos(a + kPi / 2), std::sin(a + kPi / 2)) * 14;
        p.setPen(QPen(QColor(0x4a, 0x3b, 0x2a), 2));
        p.setBrush(i == 0 ? QColor(0xc0, 0x39, 0x2b) : QColor(0x6d, 0x5a, 0x44));
        p.drawPath(polygonPath({left, tip, right, c}));
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(44);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xc0, 0x39, 0x2b));
    p.drawText(QRectF(110, 0, 80, 52), Qt::AlignCenter, QStringLiteral("N"));
    return image;
}

// --- the water cycle ------------------------------------------------------------------

QImage waterCyclePicture()
{
    QImage image = canvas();
    QPainter p(&image);
    antialiased(p);

    QLinearGradient sky(0, 0, 0, 700);
    sky.setColorAt(0.0, QColor(0x9f, 0xd3, 0xf5));
    sky.setColorAt(1.0, QColor(0xe3, 0xf3, 0xfc));
    p.fillRect(QRect(0, 0, kSampleWidth, 760), sky);

    // Ground in cross-section: soil with the groundwater below.
    const QPainterPath surface = polygonPath({{0, 760},
                                              {560, 760},
                                              {720, 740},
                                              {900, 700},
                                              {1040, 560},
                                              {1180, 380},
                                              {1260, 330},
                                              {1330, 380},
                                              {1460, 520},
                                              {1600, 560},
                                              {1600, 1120},
                                              {0, 1120}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa9, 0x7c, 0x50));
    p.drawPath(surface);
    p.setBrush(QColor(0x8b, 0x64, 0x3e));
    p.drawRect(QRect(0, 960, kSampleWidth, 160));
    p.setBrush(QColor(0x6f, 0xa8, 0xdc));
    p.drawPath(
        polygonPath({{0, 900}, {600, 905}, {1100, 930}, {1600, 950}, {1600, 1010}, {0, 990}}));
    p.setPen(QPen(QColor(0xd6, 0xea, 0xf8), 3));
    for (int x = 60; x < kSampleWidth; x += 110)
        p.drawPoint(QPointF(x, 935 + (x / 110 % 3) * 14));
    // Grass on the land.
    p.setPen(QPen(QColor(0x4f, 0x9a, 0x3f), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(polygonPath({{560, 760},
                            {720, 740},
                            {900, 700},
                            {1040, 560},
                            {1180, 380},
                            {1260, 330},
                            {1330, 380},
                            {1460, 520},
                            {1600, 560}},
                           false));
    mountain(p, {1260, 300}, 300, 260, QColor(0x9c, 0x8a, 0x75));

    // The sea on the left.
    QLinearGradient water(0, 690, 0, 900);
    water.setColorAt(0.0, QColor(0x4f, 0x94, 0xd6));
    water.setColorAt(1.0, QColor(0x2b, 0x61, 0xa8));
    p.setPen(QPen(QColor(0x22, 0x4f, 0x8a), 3));
    p.setBrush(water);
    p.drawPath(polygonPath({{0, 700}, {600, 700}, {560, 760}, {430, 880}, {0, 880}}));
    p.setPen(QPen(QColor(0xdc, 0xef, 0xfb), 3));
    for (int i = 0; i < 7; ++i)
        p.drawArc(QRectF(40 + i * 75, 720 + (i % 2) * 40, 40, 14), 0, 180 * 16);

    // A river from the mountain back to the sea.
    river(p, curve({1200, 430}, {1080, 560}, {900, 650}, {590, 712}), 5, 16);

    sun(p, {190, 150}, 85, 12);
    cloud(p, {560, 230}, 150, QColor(0xfb, 0xfd, 0xff));
    cloud(p, {1080, 215}, 190, QColor(0xb7, 0xc1, 0xcc));

    // Rain under the dark cloud.
    p.setPen(QPen(QColor(0x3b, 0x78, 0xc4), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double x = 960 + i * 24;
        const double y = 315 + (i % 3) * 22;
        p.drawLine(QPointF(x, y), QPointF(x - 10, y + 38));
        p.drawLine(QPointF(x - 16, y + 62), QPointF(x - 24, y + 92));
    }

    // The cycle's arrows.
    const QColor up(0xe6, 0x7e, 0x22);
    for (int i = 0; i < 3; ++i) {
        const double x = 180 + i * 110;
        QPainterPath wave(QPointF(x, 680));
        wave.cubicTo(QPointF(x - 25, 620), QPointF(x + 25, 580), QPointF(x, 500));
        wave.cubicTo(QPointF(x - 20, 460), QPointF(x + 15, 420), QPointF(x + 5, 370));
        arrow(p, wave, up, 6);
    }
    arrow(p, curve({730, 200}, {790, 150}, {860, 150}, {905, 200}), QColor(0x55, 0x65, 0x75), 6);
    arrow(p, curve({1040, 730}, {1060, 790}, {1040, 840}, {1050, 890}), QColor(0x1f, 0x5f, 0xb0),
          6);
    arrow(p, curve({1400, 930}, {1100, 915}, {700, 910}, {430, 905}), QColor(0x1f, 0x5f, 0xb0), 6);
    return image;
}

QImage waterDropPicture()
{
    QImage image(240, 320, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    antialiased(p);
    QPainterPath drop(QPointF(120, 20));
    drop.cubicTo(QPointF(150, 100), QPointF(220, 160), QPointF(215, 215));
    drop.cubicTo(QPointF(210, 275), QPointF(165, 305), QPointF(120, 305));
    drop.cubicTo(QPointF(75, 305), QPointF(30, 275), QPointF(25, 215));
    drop.cubicTo(QPointF(20, 160), QPointF(90, 100), QPointF(120, 20));
    QLinearGradient fill(40, 60, 200, 300);
    fill.setColorAt(0.0, QColor(0x9c, 0xd5, 0xf7));
    fill.setColorAt(1.0, QColor(0x25, 0x6e, 0xc2));
    p.setPen(QPen(QColor(0x1a, 0x4f, 0x8f), 5));
    p.setBrush(fill);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QPointF(80, 200), 16, 34);
    return image;
}

// --- a flowering plant --------------------------------------------------------------

QImage plantPicture()
{
    QImage image = canvas();
    QPainter p(&image);
    antialiased(p);

    QLinearGradient air(0, 0, 0, 820);
    air.setColorAt(0.0, QColor(0xf4, 0xfa, 0xff));
    air.setColorAt(1.0, QColor(0xfd, 0xfb, 0xee));
    p.fillRect(QRect(0, 0, kSampleWidth, 820), air);
    QLinearGradient soil(0, 820, 0, kSampleHeight);
    soil.setColorAt(0.0, QColor(0x9a, 0x6e, 0x44));
    soil.setColorAt(1.0, QColor(0x6e, 0x4c, 0x2c));
    p.fillRect(QRect(0, 820, kSampleWidth, kSampleHeight - 820), soil);
    p.setPen(QPen(QColor(0x5c, 0x9e, 0x3c), 8));
    p.drawLine(0, 820, kSampleWidth, 820);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> sx(0, kSampleWidth), sy(840, kSampleHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x3d, 0x22));
    for (int i = 0; i < 90; ++i)
        p.drawEllipse(QPointF(sx(random), sy(random)), 4, 3);

    // Roots: a main root with side roots.
    const QPen rootPen(QColor(0xe9, 0xd8, 0xb4), 14, Qt::SolidLine, Qt::RoundCap);
    p.setPen(rootPen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve({800, 820}, {805, 900}, {790, 980}, {800, 1080}));
    p.setPen(QPen(QColor(0xe9, 0xd8, 0xb4), 6, Qt::SolidLine, Qt::RoundCap));
    const QPointF roots[][2] = {{{800, 860}, {640, 930}},   {{800, 880}, {970, 960}},
                                {{798, 940}, {660, 1030}},  {{800, 960}, {950, 1050}},
                                {{795, 1010}, {720, 1090}}, {{802, 1030}, {880, 1100}}};
    for (const auto& r : roots)
        p.drawPath(curve(r[0], r[0] + QPointF(0, 30), r[1] + QPointF(0, -40), r[1]));

    // The stem.
    const QPainterPath stem = curve({800, 822}, {780, 620}, {830, 420}, {800, 250});
    p.setPen(QPen(QColor(0x3c, 0x7d, 0x2e), 20, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(QPen(QColor(0x5f, 0xa8, 0x45), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);

    // Leaves with veins.
    const auto leaf = [&p](QPointF base, double angle, double length) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath shape(QPointF(0, 0));
        shape.cubicTo(QPointF(length * 0.3, -length * 0.32), QPointF(length * 0.75, -length * 0.25),
                      QPointF(length, 0));
        shape.cubicTo(QPointF(length * 0.75, length * 0.25), QPointF(length * 0.3, length * 0.32),
                      QPointF(0, 0));
        p.setPen(QPen(QColor(0x2e, 0x6b, 0x25), 3));
        p.setBrush(QColor(0x6c, 0xb8, 0x4a));
        p.drawPath(shape);
        p.setPen(QPen(QColor(0x3b, 0x80, 0x2e), 3));
        p.drawLine(QPointF(0, 0), QPointF(length * 0.95, 0));
        p.setPen(QPen(QColor(0x3b, 0x80, 0x2e), 2));
        for (int i = 1; i <= 4; ++i) {
            const double x = length * 0.18 * i;
            p.drawLine(QPointF(x, 0), QPointF(x + length * 0.12, -length * 0.14));
            p.drawLine(QPointF(x, 0), QPointF(x + length * 0.12, length * 0.14));
        }
        p.restore();
    };
    leaf({796, 700}, 200, 250);
    leaf({804, 620}, -20, 270);
    leaf({812, 480}, 205, 220);
    leaf({808, 420}, -35, 190);

    // A side branch with a bud.
    p.setPen(QPen(QColor(0x4d, 0x94, 0x38), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve({815, 540}, {880, 500}, {950, 420}, {985, 340}));
    p.setPen(QPen(QColor(0x2e, 0x6b, 0x25), 2.5));
    p.setBrush(QColor(0xe0, 0x6c, 0x8f));
    p.drawEllipse(QPointF(995, 305), 24, 40);
    p.setBrush(QColor(0x6c, 0xb8, 0x4a));
    p.drawPath(polygonPath({{970, 335}, {995, 300}, {985, 355}}));
    p.drawPath(polygonPath({{1020, 335}, {995, 300}, {1005, 355}}));

    // The flower: petals, stamens and the pistil in the middle.
    const QPointF centre(800, 215);
    for (int i = 0; i < 7; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 360.0 / 7 + 10);
        QLinearGradient petal(0, 0, 150, 0);
        petal.setColorAt(0.0, QColor(0xc2, 0x2f, 0x5e));
        petal.setColorAt(1.0, QColor(0xf3, 0x8b, 0xae));
        p.setPen(QPen(QColor(0x9c, 0x1f, 0x48), 2.5));
        p.setBrush(petal);
        p.drawEllipse(QRectF(20, -42, 150, 84));
        p.restore();
    }
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * kPi * i / 12;
        const QPointF tip = centre + QPointF(std::cos(a), std::sin(a)) * 58;
        p.drawLine(centre, tip);
        p.setBrush(QColor(0xf7, 0xc8, 0x2a));
        p.drawEllipse(tip, 7, 7);
    }
    p.setPen(QPen(QColor(0x4b, 0x7d, 0x28), 2.5));
    p.setBrush(QColor(0x9c, 0xcf, 0x55));
    p.drawEllipse(centre, 20, 20);
    return image;
}

QImage cherryPicture()
{
    QImage image(320, 300, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    antialiased(p);
    p.setPen(QPen(QColor(0x4e, 0x7a, 0x2a), 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve({170, 30}, {150, 80}, {110, 130}, {100, 170}));
    p.drawPath(curve({170, 30}, {190, 90}, {215, 140}, {225, 175}));
    p.setPen(QPen(QColor(0x2e, 0x6b, 0x25), 2));
    p.setBrush(QColor(0x6c, 0xb8, 0x4a));
    QPainterPath leaf(QPointF(170, 32));
    leaf.cubicTo(QPointF(210, 0), QPointF(270, 10), QPointF(300, 40));
    leaf.cubicTo(QPointF(250, 60), QPointF(200, 60), QPointF(170, 32));
    p.drawPath(leaf);
    for (const QPointF c : {QPointF(100, 215), QPointF(225, 220)}) {
        QRadialGradient fruit(c + QPointF(-18, -18), 80);
        fruit.setColorAt(0.0, QColor(0xf0, 0x4b, 0x4b));
        fruit.setColorAt(1.0, QColor(0x8e, 0x0f, 0x1f));
        p.setPen(QPen(QColor(0x6a, 0x0a, 0x16), 3));
        p.setBrush(fruit);
        p.drawEllipse(c, 62, 58);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(c + QPointF(-26, -22), 10, 14);
    }
    return image;
}

// --- the human skeleton ---------------------------------------------------------------

QImage skeletonPicture()
{
    QImage image = canvas();
    QPainter p(&image);
    antialiased(p);
    QLinearGradient board(0, 0, 0, kSampleHeight);
    board.setColorAt(0.0, QColor(0xe9, 0xf0, 0xf5));
    board.setColorAt(1.0, QColor(0xd5, 0xe1, 0xea));
    p.fillRect(image.rect(), board);

    const double cx = 800;
    // Skull and jaw.
    p.setPen(boneOutline(3));
    p.setBrush(boneColour());
    p.drawEllipse(QPointF(cx, 110), 62, 72);
    p.drawPath(curve({cx - 42, 150}, {cx - 40, 215}, {cx + 40, 215}, {cx + 42, 150}));
    p.setBrush(QColor(0x5b, 0x4b, 0x3a));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx - 24, 105), 15, 17);
    p.drawEllipse(QPointF(cx + 24, 105), 15, 17);
    p.drawPath(polygonPath({{cx, 122}, {cx - 8, 145}, {cx + 8, 145}}));
    p.setPen(boneOutline(2));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(cx + i * 9, 168), QPointF(cx + i * 9, 180));

    // The spine from the neck to the pelvis.
    p.setPen(boneOutline(2));
    p.setBrush(boneColour());
    for (int i = 0; i < 24; ++i) {
        const double y = 200 + i * 21.5;
        const double w = 18 + std::min(i, 18) * 0.9;
        p.drawRoundedRect(QRectF(cx - w / 2, y, w, 17), 5, 5);
    }

    // Collarbones, breastbone and ribs.
    bone(p, {cx - 18, 262}, {cx - 180, 250}, 20);
    bone(p, {cx + 18, 262}, {cx + 180, 250}, 20);
    p.setPen(boneOutline(4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 10; ++i) {
        const double y = 300 + i * 30;
        const double spread = 120 + std::sin(kPi * (i + 1) / 12.0) * 40;
        p.setPen(QPen(QColor(0x6b, 0x5b, 0x45), 13, Qt::SolidLine, Qt::RoundCap));
        QPainterPath left = curve({cx - 14, y}, {cx - spread, y - 30}, {cx - spread - 10, y + 60},
                                  {cx - 40, y + 70 + i * 2});
        QPainterPath right = curve({cx + 14, y}, {cx + spread, y - 30}, {cx + spread + 10, y + 60},
                                   {cx + 40, y + 70 + i * 2});
        p.drawPath(left);
        p.drawPath(right);
        p.setPen(QPen(boneColour(), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(left);
        p.drawPath(right);
    }
    p.setPen(boneOutline(2.5));
    p.setBrush(boneColour());
    p.drawRoundedRect(QRectF(cx - 16, 285, 32, 190), 12, 12);

    // Arms and hands.
    for (const int side : {-1, 1}) {
        const QPointF shoulder(cx + side * 195, 262);
        const QPointF elbow(cx + side * 250, 520);
        const QPointF wrist(cx + side * 285, 740);
        bone(p, shoulder, elbow, 30);
        bone(p, elbow + QPointF(-side * 6, 0), wrist + QPointF(-side * 16, 0), 20); // ulna
        bone(p, elbow + QPointF(side * 12, 8), wrist + QPointF(side * 12, 0), 20);  // radius
        // Wrist bones, then the fingers fanning out, the thumb to the outside.
        p.setPen(boneOutline(2));
        p.setBrush(boneColour());
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(wrist + QPointF((i % 3 - 1) * 14, 14 + (i / 3) * 13), 8, 7);
        for (int f = -1; f <= 2; ++f) {
            const QPointF base = wrist + QPointF(-side * f * 10, 38);
            bone(p, base, base + QPointF(-side * f * 6, 48), 9);
            bone(p, base + QPointF(-side * f * 6, 52),
                 base + QPointF(-side * f * 9, 84 - std::abs(f) * 6), 8);
        }
        bone(p, wrist + QPointF(side * 20, 30), wrist + QPointF(side * 40, 66), 10);
        p.setPen(boneOutline(2.5));
        p.setBrush(boneColour());
        p.drawEllipse(shoulder, 22, 22);
    }

    // Pelvis.
    QPainterPath pelvis;
    pelvis.moveTo(cx, 720);
    pelvis.cubicTo(cx - 60, 700, cx - 150, 690, cx - 165, 640);
    pelvis.cubicTo(cx - 175, 700, cx - 130, 790, cx - 60, 815);
    pelvis.cubicTo(cx - 30, 790, cx - 15, 790, cx, 800);
    pelvis.cubicTo(cx + 15, 790, cx + 30, 790, cx + 60, 815);
    pelvis.cubicTo(cx + 130, 790, cx + 175, 700, cx + 165, 640);
    pelvis.cubicTo(cx + 150, 690, cx + 60, 700, cx, 720);
    p.setPen(boneOutline(3));
    p.setBrush(boneColour());
    p.drawPath(pelvis);
    p.setBrush(QColor(0xd9, 0xe3, 0xeb));
    p.drawEllipse(QPointF(cx - 75, 770), 26, 20);
    p.drawEllipse(QPointF(cx + 75, 770), 26, 20);

    // Legs and feet.
    for (const int side : {-1, 1}) {
        const QPointF hip(cx + side * 110, 760);
        const QPointF knee(cx + side * 95, 930);
        const QPointF ankle(cx + side * 92, 1065);
        bone(p, hip, knee, 36);
        bone(p, knee + QPointF(-side * 6, 22), ankle + QPointF(-side * 4, 0), 26); // shinbone
        bone(p, knee + QPointF(side * 26, 28), ankle + QPointF(side * 20, 0), 14); // fibula
        p.setPen(boneOutline(2.5));
        p.setBrush(boneColour());
        p.drawEllipse(knee + QPointF(0, 2), 17, 19); // kneecap
        p.drawEllipse(ankle + QPointF(side * 4, 12), 24, 12);
        for (int t = 0; t < 5; ++t) {
            const QPointF base = ankle + QPointF(side * (t * 9 - 14), 20);
            bone(p, base, base + QPointF(side * (8 + t * 7), 26 + (t == 0 ? 4 : 0)), 8);
        }
    }
    return image;
}

QImage handXRayPicture()
{
    QImage image(260, 320, QImage::Format_RGB32);
    QPainter p(&image);
    antialiased(p);
    QRadialGradient film(130, 170, 220);
    film.setColorAt(0.0, QColor(0x2a, 0x3a, 0x4c));
    film.setColorAt(1.0, QColor(0x0c, 0x12, 0x1a));
    p.fillRect(image.rect(), film);
    const QColor glow(0xd8, 0xe8, 0xf4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x86, 0xa0, 110));
    p.drawRoundedRect(QRectF(45, 60, 170, 250), 70, 70);
    const auto segment = [&p, &glow](QPointF a, QPointF b, double w) {
        p.setPen(QPen(glow, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    segment({105, 318}, {108, 250}, 16);
    segment({150, 318}, {148, 250}, 14);
    for (int i = 0; i < 4; ++i) {
        const double x = 78 + i * 30;
        const double top = 40 + std::abs(i - 1.5) * 22;
        segment({x + (i - 1.5) * 4, 225}, {x + (i - 1.5) * 8, 150}, 12);
        segment({x + (i - 1.5) * 8, 140}, {x + (i - 1.5) * 10, top + 45}, 10);
        segment({x + (i - 1.5) * 10, top + 35}, {x + (i - 1.5) * 11, top}, 9);
    }
    segment({190, 230}, {215, 175}, 12);
    segment({220, 165}, {238, 120}, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(95 + (i % 3) * 25, 238 + (i / 3) * 18), 11, 9);
    return image;
}

// --- the solar system ------------------------------------------------------------------

QImage solarSystemPicture()
{
    QImage image = canvas();
    QPainter p(&image);
    antialiased(p);
    QLinearGradient space(0, 0, kSampleWidth, kSampleHeight);
    space.setColorAt(0.0, QColor(0x0b, 0x10, 0x26));
    space.setColorAt(1.0, QColor(0x1a, 0x1f, 0x3d));
    p.fillRect(image.rect(), space);
    std::mt19937 random(2);
    std::uniform_real_distribution<double> sx(0, kSampleWidth), sy(0, kSampleHeight),
        size(0.6, 2.2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        p.setBrush(QColor(255, 255, 255, 120 + i % 130));
        p.drawEllipse(QPointF(sx(random), sy(random)), size(random) * 0.6, size(random) * 0.6);
    }

    // The sun at the left edge and the orbits around it.
    const QPointF sunCentre(-260, 560);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6f, 0x7a, 0xa8), 1.5, Qt::DashLine));
    const double orbits[] = {430, 520, 620, 720, 940, 1140, 1330, 1500};
    for (const double r : orbits)
        p.drawEllipse(sunCentre, r, r * 1.05);
    QRadialGradient glow(sunCentre, 420);
    glow.setColorAt(0.0, QColor(0xff, 0xf4, 0xb0));
    glow.setColorAt(0.7, QColor(0xff, 0xb8, 0x2e));
    glow.setColorAt(0.86, QColor(0xf2, 0x6b, 0x1d));
    glow.setColorAt(1.0, QColor(0xf2, 0x6b, 0x1d, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sunCentre, 420, 420);

    // The asteroid belt between Mars and Jupiter.
    std::uniform_real_distribution<double> angle(-0.75, 0.75), radius(810, 860);
    p.setBrush(QColor(0xa8, 0x9f, 0x94));
    for (int i = 0; i < 260; ++i) {
        const double a = angle(random);
        const double r = radius(random);
        p.drawEllipse(sunCentre + QPointF(std::cos(a) * r, std::sin(a) * r * 1.05), 2.2, 2.2);
    }

    const auto planet = [&p, sunCentre](double orbit, double a, double r, QColor light,
                                        QColor dark) {
        const QPointF c = sunCentre + QPointF(std::cos(a) * orbit, std::sin(a) * orbit * 1.05);
        QRadialGradient shade(c + QPointF(-r * 0.45, -r * 0.35), r * 1.5);
        shade.setColorAt(0.0, light);
        shade.setColorAt(1.0, dark);
        p.setPen(QPen(dark.darker(130), 1.5));
        p.setBrush(shade);
        p.drawEllipse(c, r, r);
        return c;
    };
    planet(orbits[0], 0.10, 14, QColor(0xc9, 0xc2, 0xba), QColor(0x6d, 0x66, 0x60));
    planet(orbits[1], -0.28, 22, QColor(0xf6, 0xe3, 0xa8), QColor(0xb0, 0x8c, 0x45));
    const QPointF earth =
        planet(orbits[2], 0.22, 24, QColor(0x7f, 0xc4, 0xf5), QColor(0x1d, 0x4f, 0x9a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4f, 0xa3, 0x4a));
    p.drawEllipse(earth + QPointF(-6, -5), 9, 7);
    p.drawEllipse(earth + QPointF(8, 7), 7, 5);
    planet(orbits[3], -0.12, 18, QColor(0xf0, 0x8a, 0x5d), QColor(0x8e, 0x32, 0x16));
    const QPointF jupiter =
        planet(orbits[4], 0.18, 62, QColor(0xf3, 0xdc, 0xb8), QColor(0x9a, 0x6f, 0x45));
    p.save();
    QPainterPath clip;
    clip.addEllipse(jupiter, 61, 61);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(0xb9, 0x83, 0x55, 170), 9));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(jupiter + QPointF(-70, i * 16), jupiter + QPointF(70, i * 16 + 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x4a, 0x2c));
    p.drawEllipse(jupiter + QPointF(20, 22), 13, 8);
    p.restore();
    // Saturn's rings: the far half behind the planet, the near half over it.
    const QPointF saturnCentre =
        sunCentre + QPointF(std::cos(-0.20) * orbits[5], std::sin(-0.20) * orbits[5] * 1.05);
    const auto rings = [&p, saturnCentre](int startAngle) {
        p.save();
        p.translate(saturnCentre);
        p.rotate(-18);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xd9, 0xc7, 0x93), 9));
        p.drawArc(QRectF(-105, -26, 210, 52), startAngle * 16, 180 * 16);
        p.setPen(QPen(QColor(0xb8, 0xa0, 0x6a), 4));
        p.drawArc(QRectF(-88, -19, 176, 38), startAngle * 16, 180 * 16);
        p.restore();
    };
    rings(0);
    planet(orbits[5], -0.20, 50, QColor(0xf6, 0xe7, 0xb6), QColor(0xa8, 0x8a, 0x4f));
    rings(180);
    planet(orbits[6], 0.12, 34, QColor(0xb9, 0xf0, 0xf2), QColor(0x3e, 0x9a, 0xa8));
    planet(orbits[7], -0.10, 33, QColor(0x7e, 0xa4, 0xf7), QColor(0x22, 0x3c, 0x9c));
    return image;
}

QImage earthAndMoonPicture()
{
    QImage image(360, 240, QImage::Format_RGB32);
    image.fill(QColor(0x0b, 0x10, 0x26));
    QPainter p(&image);
    antialiased(p);
    QRadialGradient ocean(QPointF(100, 100), 140);
    ocean.setColorAt(0.0, QColor(0x7f, 0xc4, 0xf5));
    ocean.setColorAt(1.0, QColor(0x16, 0x3f, 0x86));
    p.setPen(Qt::NoPen);
    p.setBrush(ocean);
    p.drawEllipse(QPointF(130, 125), 95, 95);
    p.setBrush(QColor(0x4f, 0xa3, 0x4a));
    p.drawEllipse(QPointF(105, 100), 34, 24);
    p.drawEllipse(QPointF(160, 150), 26, 36);
    p.drawEllipse(QPointF(150, 75), 18, 12);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(120, 150), 30, 7);
    p.drawEllipse(QPointF(170, 100), 20, 6);
    QRadialGradient moon(QPointF(295, 70), 40);
    moon.setColorAt(0.0, QColor(0xee, 0xee, 0xe8));
    moon.setColorAt(1.0, QColor(0x8a, 0x8a, 0x86));
    p.setBrush(moon);
    p.drawEllipse(QPointF(300, 80), 28, 28);
    p.setBrush(QColor(0x9d, 0x9d, 0x98));
    p.drawEllipse(QPointF(292, 74), 6, 5);
    p.drawEllipse(QPointF(308, 90), 4, 4);
    return image;
}

} // namespace velunto::samples
