#include "content/multiplechoice/solutionpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace velunto {

namespace {

constexpr int kSide = 65;

Picture blankSquare()
{
    Picture picture(kSide, kSide, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    return picture;
}

Picture drawTick()
{
    Picture picture = blankSquare();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(QColor(0x00, 0xA0, 0x00), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath path;
    path.moveTo(14, 34);
    path.lineTo(27, 48);
    path.lineTo(52, 16);
    p.drawPath(path);
    return picture;
}

Picture drawDash()
{
    Picture picture = blankSquare();
    QPainter p(&picture);
    p.fillRect(QRect(12, 28, 41, 9), QColor(0xE0, 0x00, 0x00));
    return picture;
}

} // namespace

const Picture& rightAnswerPicture()
{
    static const Picture tick = drawTick();
    return tick;
}

const Picture& wrongAnswerPicture()
{
    static const Picture dash = drawDash();
    return dash;
}

} // namespace velunto
