#include "document/document.h"

#include "common/numeric.h"
#include "content/contentregistry.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace velunto {

std::array<SpaltenHtgdEntry, kTableColumns> HeaderDataTyp::defaultSpaltenHtgd()
{
    static constexpr ColorRef palette[5] = {0xBEFF7F, 0xBF7FFF, 0xFFC080, 0x7FBEFF, 0xFF7FBE};
    std::array<SpaltenHtgdEntry, kTableColumns> result;
    for (int i = 0; i < kTableColumns; ++i)
        result[i] = {palette[i % 5], 50};
    return result;
}

Document::Document()
{
    newDocument();
}

Picture Document::blankPicture(ColorRef colour)
{
    // 10 : 7, the page ratio that new documents get by default.
    auto make = [](ColorRef c) {
        Picture picture(1000, 700, QImage::Format_RGB32);
        picture.fill(toQRgb(c));
        return picture;
    };
    // Every reset and every load starts with the white one; all share one
    // copy, which QImage duplicates only when it is drawn on.
    static const Picture white = make(0xFFFFFF);
    return colour == 0xFFFFFF ? white : make(colour);
}

void Document::newDocument()
{
    if (!header.FileName.isEmpty())
        m_previousFileName = header.FileName;
    header = HeaderDataTyp{};
    header.EinrueckRand = defaultEinrueckRand(DokTyp::Free);
    header.SeitRatioArt = m_presets.art;
    header.SeitRatioBreite = m_presets.breite;
    header.SeitRatioHoehe = m_presets.hoehe;
    objects.clear();
    objects.shrink_to_fit();
    baseImage = blankPicture(header.HtgdCol);
    gapCursor = 0;
    clozeFontStep = 0;
    m_modified = false;
    m_picturesUnlocked = false;
    notifyReplaced();
}

void Document::setFontName(const QString& name)
{
    if (name == m_fontName)
        return;
    m_fontName = name;
    notifyHeaderChanged();
}

void Document::setBaseImage(Picture picture)
{
    baseImage = std::move(picture);
    notifyBaseImageChanged();
}

QString Document::documentTypeName() const
{
    return velunto::documentTypeName(header.DokTyp, header.DokUnterTyp);
}

void Document::updateZRange()
{
    int lo = 0;
    int hi = 0;
    for (const ObjDataTyp& o : objects) {
        lo = std::min(lo, o.ZIndex);
        hi = std::max(hi, o.ZIndex);
    }
    header.MinZIndex = lo;
    header.MaxZIndex = hi;
}

bool Document::picturesLocked() const
{
    return !header.BilderPasswort.isEmpty() && !m_picturesUnlocked;
}

bool Document::unlockPictures(const QString& entry)
{
    if (entry != header.BilderPasswort)
        return false;
    m_picturesUnlocked = true;
    return true;
}

int Document::newObject(int kind, const RectD& visible, int counter, bool withLine, int side)
{
    ObjDataTyp o;
    const double n = counter;
    o.Typ = kind;
    o.Sx = (visible.left + visible.right) * (0.05 * n + 0.05);
    o.Sy = (visible.top + visible.bottom) * 0.1 * n;
    o.Kx = o.Sx + 0.2;
    o.Ky = o.Sy;
    o.Text = QStringLiteral("NEU");
    o.Ebene = (isPointKind(kind) || kind == ObjectKind::ImageLink) ? Layer::InfoPoints
                                                                   : Layer::TextsAndImages;
    o.Sline = withLine ? 1 : 0;
    o.Fsize = 0;
    o.KAusr = side;
    o.KAusrAktiv = side;
    o.TAusr = 0;
    o.Stil = 0;
    o.Farbe = 0x000000;
    o.LinieFarbe = 0x000000;
    o.LinieDicke = 1;
    o.HFarbe = 0xFFFFFF;
    o.HDeck = 0;
    o.BildDeck = 100;
    o.PktCap = defaultPointTitle(kind);
    o.BildKenn.clear();
    o.BildkarteAnpassen = 1;
    o.PunktInUebung = 0;
    o.FrageNummer = -1;
    o.ZIndex = header.MaxZIndex;
    o.Abdeckung = 0;
    if (isPointKind(kind)) {
        o.Farbe = 0xFFFFFF;
        o.HFarbe = pointColour(kind);
        o.HDeck = 100;
    }
    if (isPictureKind(kind))
        o.Bild = blankPicture();
    objects.push_back(std::move(o));
    notify({DocumentChange::ObjectsAdded, {objectCount() - 1}, false, ObjectAspect::All});
    return objectCount() - 1;
}

int Document::addGeneratedObject(int kind, int layer, const QString& text, int questionNumber,
                                 double x, double y, int side, int sizeStep)
{
    ObjDataTyp o;
    o.Typ = kind;
    o.Text = text;
    o.Kx = x;
    o.Ky = y;
    o.Sx = x;
    o.Sy = y;
    o.Ebene = layer;
    o.Fsize = sizeStep;
    o.KAusr = side;
    o.KAusrAktiv = side;
    o.TAusr = 0;
    o.Sline = 0;
    o.Farbe = header.TextCol;
    o.HDeck = isPointKind(kind) ? 100 : 0;
    o.BildDeck = 100;
    o.Abdeckung = -1;
    o.FrageNummer = questionNumber;
    o.KBreite = -1.0;
    o.KHoehe = -1.0;
    o.Sichtbar = 1;
    objects.push_back(std::move(o));
    notify({DocumentChange::ObjectsAdded, {objectCount() - 1}, false, ObjectAspect::All});
    return objectCount() - 1;
}

void Document::deleteObject(int index)
{
    if (!isValidIndex(index))
        return;
    objects.erase(objects.begin() + index);
    notify({DocumentChange::ObjectsRemoved, {}, true, ObjectAspect::All});
}

int Document::duplicateObject(int index)
{
    if (!isValidIndex(index))
        return -1;
    ObjDataTyp copy = objects[index];
    if (copy.Typ == ObjectKind::QueryLabel || copy.Typ == ObjectKind::FixedLabel)
        copy.Text = QStringLiteral("KOPIE von ") + copy.Text;
    copy.Sy = std::min(copy.Sy + 0.05, 1.0);
    copy.Ky = std::min(copy.Ky + 0.05, 1.0);
    objects.insert(objects.begin() + index + 1, std::move(copy));
    // Every later object moved up by one.
    notify({DocumentChange::ObjectsAdded | DocumentChange::ObjectsReordered,
            {},
            true,
            ObjectAspect::All});
    return index + 1;
}

void Document::bringToFront(int index)
{
    if (!isValidIndex(index))
        return;
    header.MaxZIndex += 1;
    objects[index].ZIndex = header.MaxZIndex;
    notifyObjectChanged(index, ObjectAspect::Position);
}

void Document::sendToBack(int index)
{
    if (!isValidIndex(index))
        return;
    header.MinZIndex -= 1;
    objects[index].ZIndex = header.MinZIndex;
    notifyObjectChanged(index, ObjectAspect::Position);
}

bool Document::hasAuthoredObjects() const
{
    return std::any_of(objects.begin(), objects.end(),
                       [](const ObjDataTyp& o) { return isDeletedWithAll(o.Typ); });
}

bool Document::deleteAllAuthoredObjects()
{
    if (!hasAuthoredObjects())
        return false;
    DocumentChangeBatch batch(*this);
    std::erase_if(objects, [](const ObjDataTyp& o) { return isDeletedWithAll(o.Typ); });
    notify({DocumentChange::ObjectsRemoved, {}, true, ObjectAspect::All});
    rebuildContent();
    return true;
}

void Document::copyObject(int index)
{
    if (isValidIndex(index))
        m_clipboard = objects[index];
}

int Document::pasteObject()
{
    if (!m_clipboard)
        return -1;
    objects.push_back(*m_clipboard);
    notify({DocumentChange::ObjectsAdded, {objectCount() - 1}, false, ObjectAspect::All});
    return objectCount() - 1;
}

void Document::rebuildContent(bool create)
{
    const ContentType* type = contentRegistry().find(header.DokTyp, header.DokUnterTyp);
    if (type == nullptr || !type->build)
        return;
    DocumentChangeBatch batch(*this);
    type->build(*this, create);
}

// --- change notifications -------------------------------------------------------------

void Document::addObserver(DocumentObserver* observer)
{
    auto& list = m_notifier.observers;
    if (observer != nullptr && std::find(list.begin(), list.end(), observer) == list.end())
        list.push_back(observer);
}

void Document::removeObserver(DocumentObserver* observer)
{
    auto& list = m_notifier.observers;
    list.erase(std::remove(list.begin(), list.end(), observer), list.end());
}

void Document::notifyObjectsChanged(const std::vector<int>& indices, int aspects)
{
    if (m_notifier.observers.empty() || indices.empty())
        return;
    DocumentChange change{DocumentChange::ObjectsChanged, indices, false, aspects};
    std::sort(change.objects.begin(), change.objects.end());
    change.objects.erase(std::unique(change.objects.begin(), change.objects.end()),
                         change.objects.end());
    notify(change);
}

void Document::notifyObjectChanged(int index, int aspects)
{
    if (!m_notifier.observers.empty() && isValidIndex(index))
        notify({DocumentChange::ObjectsChanged, {index}, false, aspects});
}

void Document::notifyAllObjectsChanged(int aspects)
{
    notify({DocumentChange::ObjectsChanged, {}, true, aspects});
}

void Document::notifyHeaderChanged()
{
    notify({DocumentChange::Header, {}, false, 0});
}

void Document::notifyBaseImageChanged()
{
    notify({DocumentChange::BaseImage, {}, false, 0});
}

void Document::notifyReplaced()
{
    notify({DocumentChange::Replaced, {}, true, ObjectAspect::All});
}

void Document::notify(const DocumentChange& change)
{
    // Nobody listens: nothing to collect.
    if (m_notifier.observers.empty() || change.empty())
        return;
    m_notifier.pending.merge(change);
    if (m_notifier.batchDepth == 0 && !m_notifier.dispatching)
        flush();
}

void Document::flush()
{
    m_notifier.dispatching = true;
    while (!m_notifier.pending.empty()) {
        const DocumentChange change = std::exchange(m_notifier.pending, DocumentChange{});
        // An observer may remove itself or another one while it is told.
        const std::vector<DocumentObserver*> observers = m_notifier.observers;
        for (DocumentObserver* o : observers) {
            const auto& now = m_notifier.observers;
            if (std::find(now.begin(), now.end(), o) != now.end())
                o->documentChanged(change);
        }
    }
    m_notifier.dispatching = false;
}

DocumentChangeBatch::DocumentChangeBatch(Document& document) : m_document(document)
{
    ++m_document.m_notifier.batchDepth;
}

DocumentChangeBatch::~DocumentChangeBatch()
{
    if (--m_document.m_notifier.batchDepth == 0 && !m_document.m_notifier.dispatching &&
        !m_document.m_notifier.pending.empty())
        m_document.flush();
}

// --- DocumentChange ---------------------------------------------------------------------

bool DocumentChange::touches(int index) const
{
    return wholeList || std::binary_search(objects.begin(), objects.end(), index);
}

void DocumentChange::merge(const DocumentChange& later)
{
    what |= later.what;
    aspects |= later.aspects;
    wholeList = wholeList || later.wholeList;
    if (wholeList) {
        objects.clear();
        return;
    }
    std::vector<int> merged;
    merged.reserve(objects.size() + later.objects.size());
    std::set_union(objects.begin(), objects.end(), later.objects.begin(), later.objects.end(),
                   std::back_inserter(merged));
    objects = std::move(merged);
}

} // namespace velunto
