#include "content/cluster/clusterlayout.h"

#include "common/numeric.h"
#include "common/random.h"
#include "content/layoutpage.h"
#include "document/document.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

constexpr int kFirstKind = ObjectKind::ClusterFixedText;
constexpr int kLastKind = ObjectKind::ClusterQueryImage;

bool isClusterKind(int kind)
{
    return kind >= kFirstKind && kind <= kLastKind;
}

} // namespace

int clusterBaskets(const HeaderDataTyp& header)
{
    return std::clamp(header.LueckenTabelleSpalten, kMinBaskets, kMaxBaskets);
}

int clusterRows(const HeaderDataTyp& header)
{
    return std::clamp(header.LueckenTabelleZeilen, 1, kTableRows);
}

QRect ClusterGeometry::basketRect(int c) const
{
    return QRect(QPoint(leftX + c * basketWidth, topY),
                 QPoint(leftX + (c + 1) * basketWidth - 1, bottomY));
}

ClusterGeometry clusterGeometry(const HeaderDataTyp& header, QSize page)
{
    const RectD m = usableIndent(header.EinrueckRand);
    const double W = page.width();
    const double H = page.height();
    ClusterGeometry g;
    g.baskets = clusterBaskets(header);
    g.rows = clusterRows(header);
    g.leftX = rnd(W * m.left);
    g.topY = rnd(H * m.top);
    g.bottomY = rnd((1.0 - m.bottom) * H);
    g.headerBand = rnd(H * 0.05);
    g.basketWidth = rnd((1.0 - m.right - m.left) * W / g.baskets);
    g.entryHeight = rnd(((1.0 - m.top - m.bottom) * H - g.headerBand) / g.rows);
    return g;
}

int basketAt(const ClusterGeometry& g, QPoint point)
{
    for (int c = 0; c < g.baskets; ++c) {
        if (g.basketRect(c).contains(point))
            return c + 1;
    }
    return -1;
}

int clusterFit(int sizeStep, int baskets)
{
    const double factor = 1.0 - (std::clamp(baskets, kMinBaskets, kMaxBaskets) - 2) * 0.1;
    return rnd(((2.0 * sizeStep + 22.0) * factor - 22.0) / 2.0);
}

QString clusterPictureName(const QString& bildKenn, RandomSource& random)
{
    if (!bildKenn.trimmed().isEmpty())
        return bildKenn + QStringLiteral(" (Bildkennung)");
    QString name;
    for (int i = 0; i < 20; ++i)
        name += QChar(u'a' + random.below(26));
    return name + QStringLiteral(" (Zufallskennung für Bild)");
}

void layoutCluster(Document& document, QSize page, RandomSource& random)
{
    std::erase_if(document.objects, [](const ObjDataTyp& o) { return isClusterKind(o.Typ); });
    HeaderDataTyp& header = document.header;
    const ClusterGeometry g = clusterGeometry(header, page);
    const double W = std::max(1, page.width());
    const double H = std::max(1, page.height());
    int question = 0;
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.baskets; ++c) {
            lueckentabellearrtyp& cell = header.LueckenTabelle[r][c];
            const double x = (g.leftX + c * g.basketWidth + g.basketWidth / 2.0) / W;
            const double y = ((r + 0.5) * g.entryHeight + g.topY + g.headerBand) / H;
            const bool picture = cell.Art == 2 || cell.Art == 3;
            const bool text = cell.Art == 0 || cell.Art == 1;
            if (text && cell.Text.trimmed().isEmpty())
                continue;
            if (!picture && !text)
                continue;

            const int kind = kFirstKind + cell.Art;
            int index = -1;
            if (picture) {
                QString name;
                if (kind == ObjectKind::ClusterQueryImage) {
                    name = clusterPictureName(cell.BildKenn, random);
                    cell.Text = name;
                }
                index =
                    document.addGeneratedObject(kind, Layer::TextsAndImages, name, -1, x, y,
                                                Side::Centre, clusterFit(cell.Groesse, g.baskets));
                ObjDataTyp& o = document.objects[index];
                o.Bild = cell.Bild;
                o.BildKenn = cell.BildKenn;
                o.BildkarteAnpassen = cell.BildkarteAnpassen;
            } else {
                index = document.addGeneratedObject(kind, Layer::TextsAndImages, cell.Text, -1, x,
                                                    y, Side::Centre, clusterFit(0, g.baskets));
                document.objects[index].TAusr = 1;
            }
            ObjDataTyp& o = document.objects[index];
            o.KBreite = g.basketWidth * 0.95 / W;
            o.KHoehe = g.entryHeight * 0.85 / H;
            if (kind == ObjectKind::ClusterQueryText || kind == ObjectKind::ClusterQueryImage) {
                o.FrageNummer = ++question;
                o.KorbZeile = r;
                o.KorbSpalte = c;
            }
        }
    }
}

void buildCluster(Document& document, bool create)
{
    if (!create || document.header.DokTyp != DokTyp::Cluster)
        return;
    layoutCluster(document, layoutPageSize(document), randomSource());
}

int basketAtPage(const Document& document, QPointF page)
{
    const QSize size = layoutPageSize(document);
    const ClusterGeometry g = clusterGeometry(document.header, size);
    return basketAt(g, QPoint(int(std::floor(page.x() * size.width())),
                              int(std::floor(page.y() * size.height()))));
}

std::optional<RectD> basketBounds(const Document& document, int basket)
{
    const QSize size = layoutPageSize(document);
    const ClusterGeometry g = clusterGeometry(document.header, size);
    if (basket < 1 || basket > g.baskets)
        return std::nullopt;
    const QRect r = g.basketRect(basket - 1);
    const double W = size.width();
    const double H = size.height();
    return RectD{r.left() / W, r.top() / H, (r.right() + 1) / W, (r.bottom() + 1) / H};
}

} // namespace velunto
