#include "view/drawing/ui/drawingtextbox.h"
#include "view/drawing/ui/selectionoverlay.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace velunto;

namespace {

void key(QWidget* w, int k, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

} // namespace

TEST(DrawingTextBox, PlaceTypeAndTakeOver)
{
    QWidget page;
    page.resize(500, 400);
    DrawingTextBox box(&page);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(36);
    box.setStyle(font, QColor(0, 0, 255, 80), 2);
    const QRect area(20, 10, 460, 380);
    box.place({100, 200}, area);
    EXPECT_TRUE(box.isVisibleTo(&page));
    // The lower-left corner sits at the point.
    EXPECT_EQ(box.geometry().bottomLeft(), QPoint(100, 200));
    const int empty = box.width();
    EXPECT_EQ(empty, 70); // room of 35 pixels per stroke size
    for (const QChar c : QStringLiteral("Mond"))
        key(&box, 0, QString(c));
    EXPECT_GT(box.width(), empty);
    EXPECT_EQ(box.geometry().bottomLeft(), QPoint(100, 200));
    // Near the corner the box stays inside the picture area.
    box.place({470, 5}, area);
    EXPECT_TRUE(area.contains(box.geometry()));
    EXPECT_EQ(box.text(), QStringLiteral("Mond"));

    QString taken;
    QPoint at;
    QObject::connect(&box, &DrawingTextBox::textAccepted, [&](const QString& t, QPoint p) {
        taken = t;
        at = p;
    });
    const QPoint topLeft = box.geometry().topLeft();
    key(&box, Qt::Key_Return);
    EXPECT_EQ(taken, QStringLiteral("Mond"));
    EXPECT_EQ(at, topLeft);
    EXPECT_FALSE(box.isVisibleTo(&page));
    EXPECT_TRUE(box.text().isEmpty());

    // Esc discards the text without drawing.
    taken.clear();
    box.place({100, 200}, area);
    key(&box, 0, QStringLiteral("x"));
    key(&box, Qt::Key_Escape);
    EXPECT_TRUE(taken.isEmpty());
    EXPECT_TRUE(box.text().isEmpty());
    EXPECT_FALSE(box.isVisibleTo(&page));
}

TEST(SelectionOverlay, LabelFollowsTheSelectionAndDragsIt)
{
    QWidget page;
    page.resize(500, 400);
    DrawingSurface surface;
    DrawingTools tools(surface);
    QImage picture(480, 380, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    tools.setControl({500, 400}, {10, 10});
    tools.showPictures(picture, picture);
    SelectionOverlay overlay(tools, &page);
    tools.selectTool(Tool::Area);
    tools.press({60, 80});
    tools.move({160, 130}, true);
    tools.release({160, 130});
    overlay.refresh();
    SelectionLabel* label = overlay.label();
    EXPECT_TRUE(label->isVisibleTo(&page));
    EXPECT_EQ(label->text(), QStringLiteral(" (50,70) - (150,120)  B:101 H:51"));
    EXPECT_EQ(label->geometry().bottom() + 1, 80);

    std::vector<QPointF> drags;
    QObject::connect(label, &SelectionLabel::dragged, [&](QPointF p) { drags.push_back(p); });
    const QPoint inside(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QMouseEvent move(QEvent::MouseMove, inside + QPoint(30, 0),
                     label->mapToGlobal(inside + QPoint(30, 0)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    ASSERT_EQ(drags.size(), 1u);
    EXPECT_EQ(drags[0], QPointF(label->geometry().topLeft() + inside + QPoint(30, 0)));

    // Another tool hides the label.
    tools.selectTool(Tool::Pen);
    overlay.refresh();
    EXPECT_FALSE(label->isVisibleTo(&page));
}
