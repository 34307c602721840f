#include "library/downscale.h"

#include "common/numeric.h"
#include "document/document.h"
#include "document/documentfile.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "view/pagegeometry.h"

#include <algorithm>

namespace velunto {

namespace {

// The tallest picture worth keeping for a card of size step s: 50 pixels for
// the standard step, growing with the step's character height.
int stepHeightLimit(double step)
{
    return rnd((2.0 * step + 22.0) / 22.0 * 50.0);
}

// Scales picture down to limit pixels high when it is more than 1.3 times
// as high.
bool limitHeight(Picture& picture, int limit)
{
    if (picture.isNull() || !(limit * 1.3 < picture.height()))
        return false;
    return scaleDown(picture, -1, limit);
}

// The height limit of the answer pictures of a multiple-choice question.
int answerPictureLimit(const ObjDataTyp& o, const RectD& indent)
{
    const int answers = std::clamp(o.AntwortAnz, 0, kMaxAnswerPictures);
    const int perColumn =
        std::max(1, o.Typ == ObjectKind::McQuestion ? (answers + 1) / 2 : answers);
    const double t = std::min(0.2, (answers * 0.1 / 12.0 + 0.6) / perColumn);
    const double u = (1.0 - indent.top - indent.bottom) * t / 0.915;
    const int w = rnd(u * 240.0) - 10;
    return stepHeightLimit(w);
}

} // namespace

bool scaleDown(Picture& picture, int maxWidth, int maxHeight)
{
    if (picture.isNull())
        return false;
    double f = 1.0;
    if (maxWidth > 0 && maxWidth < picture.width())
        f = std::min(f, double(maxWidth) / picture.width());
    if (maxHeight > 0 && maxHeight < picture.height())
        f = std::min(f, double(maxHeight) / picture.height());
    if (f >= 1.0)
        return false;
    const int width = std::max(1, rnd(picture.width() * f));
    const int height = std::max(1, rnd(picture.height() * f));
    picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return true;
}

int downscalePictures(Document& document)
{
    HeaderDataTyp& h = document.header;
    int scaled = 0;

    const double s = h.BildGroesse;
    const int bw = rnd(s * 1900.0 / 100.0);
    const int bh = rnd(s * 1200.0 / 100.0);
    if (bw * 1.2 < document.baseImage.width() || bh * 1.2 < document.baseImage.height())
        scaled += scaleDown(document.baseImage, bw, bh) ? 1 : 0;

    if (hasGapTable(h.DokTyp, h.DokUnterTyp)) {
        for (auto& row : h.LueckenTabelle) {
            for (lueckentabellearrtyp& cell : row) {
                if (cellCarriesPicture(h.DokTyp, cell.Art))
                    scaled += limitHeight(cell.Bild, stepHeightLimit(cell.Groesse)) ? 1 : 0;
            }
        }
    }

    for (ObjDataTyp& o : document.objects) {
        if (isPictureKind(o.Typ))
            scaled += limitHeight(o.Bild, stepHeightLimit(o.Fsize)) ? 1 : 0;
        if (o.Typ == ObjectKind::McImageQuestion) {
            const RectD& indent = h.EinrueckRand;
            const int step = rnd((1.0 - indent.left - indent.right) * 120.0 / 0.95);
            scaled += limitHeight(o.Bild, stepHeightLimit(step)) ? 1 : 0;
        }
        if (isMcQuestionKind(o.Typ) && o.Untertyp == 1) {
            const int limit = answerPictureLimit(o, h.EinrueckRand);
            for (Picture& answer : o.BildAntw)
                scaled += limitHeight(answer, limit) ? 1 : 0;
        }
    }
    return scaled;
}

QString downscaleReport(int scaled)
{
    if (scaled == 0)
        return QStringLiteral("Das Dokument beinhaltet keine Bilder, die ohne einen deutlichen "
                              "Qualitätsverlust herunterskaliert werden können.");
    return QString::number(scaled) + QStringLiteral(" Bild(er) wurde(n) neu skaliert.");
}

QString downscaleFolderQuestion(const QString& folder)
{
    return QStringLiteral("Achtung: Hiermit werden alle Velunto-Dokumente innerhalb des Ordners "
                          "\r\n") +
           folder + QStringLiteral("\r\n") +
           QStringLiteral("durchlaufen und neu gespeichert. Die alten Dateiversionen werden dabei "
                          "überschrieben. \r\n") +
           QStringLiteral("Möchten Sie wirklich fortfahren und die in den Dokumenten enthaltenen "
                          "Bilder herunterskalieren?");
}

BatchOutcome downscaleDocumentFile(const QString& path, const QString& fontName)
{
    Document document;
    document.setFontName(fontName);
    const LoadResult loaded = loadDocument(document, path);
    if (!loaded.ok)
        return {path, BatchOutcome::Kind::Failed, loaded.messages};
    derivePageGeometry(document.header, usableBaseSize(document.baseImage));
    if (downscalePictures(document) == 0)
        return {path, BatchOutcome::Kind::Unchanged, {}};
    setPageGeometry(document, false);
    const SaveResult saved = saveDocument(document, path);
    if (!saved.ok)
        return {path, BatchOutcome::Kind::Failed, saved.messages};
    return {path, BatchOutcome::Kind::Done, {}};
}

DocumentTask downscaleTask(const QString& fontName)
{
    return [fontName](const QString& path) { return downscaleDocumentFile(path, fontName); };
}

} // namespace velunto
