#include "document/document.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

using namespace velunto;

namespace {

// How many pixels of the rectangle are close to the colour.
int countNear(const QImage& image, const QRect& r, QColor colour)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                     std::abs(c.blue() - colour.blue()) <
                 40;
        }
    return n;
}

} // namespace

TEST(ExerciseStates, EachStateHasItsOwnLook)
{
    Document doc;
    doc.baseImage = QImage(800, 500, QImage::Format_RGB32);
    doc.baseImage.fill(Qt::white);
    derivePageGeometry(doc.header, doc.baseImage.size());
    for (int i = 0; i < 2; ++i) {
        ObjDataTyp o;
        o.Typ = ObjectKind::QueryLabel;
        o.Kx = o.Sx = 0.3 + 0.4 * i;
        o.Ky = o.Sy = 0.5;
        o.Text = QStringLiteral("Mittellauf");
        o.Fsize = 6;
        o.Ebene = Layer::TextsAndImages;
        o.Nummer = i + 1;
        doc.objects.push_back(o);
    }
    Session session;
    ViewState view{session};
    view.setViewport(QSize(800, 500));
    session.setMode(AppMode::Exercise);
    PageComposer composer(doc, view);

    struct Case
    {
        int state;
        int target; // ViewState::exerciseTarget
        QColor colour;
    };
    const Case cases[] = {
        {-5, -1, QColor(0xCA, 0xE4, 0xFF)}, // the covered box with its number
        {-5, 1, QColor(0xE4, 0xE4, 0xE4)},  // not the asked position: inactive
        {-2, -1, QColor(0x00, 0x99, 0x33)}, // green tick
        {-3, -1, QColor(0xDD, 0x11, 0x11)}, // red cross
        {-4, -1, QColor(0x80, 0x80, 0x80)}, // grey X
    };
    for (const Case& c : cases) {
        doc.objects[0].Abdeckung = c.state;
        session.setExerciseTarget(c.target);
        composer.redraw();
        const QRect card = composer.paintedRect(0);
        ASSERT_FALSE(card.isEmpty());
        EXPECT_GT(countNear(composer.page(), card, c.colour), 20) << c.state << " " << c.target;
    }
    // Solved: the card itself, no mark.
    doc.objects[0].Abdeckung = 0;
    composer.redraw();
    EXPECT_EQ(countNear(composer.page(), composer.paintedRect(0), QColor(0x00, 0x99, 0x33)), 0);
}
