#include "document/documentjson.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <QCryptographicHash>
#include <QJsonArray>

namespace velunto {

namespace {

QJsonObject rectToJson(const RectD& r)
{
    return {{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

QJsonArray stringsToJson(const QString* first, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(first[i]);
    return array;
}

template <typename Container> QJsonArray intsToJson(const Container& values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QJsonObject cellToJson(const lueckentabellearrtyp& cell, int dokTyp)
{
    QJsonObject o{{"Text", cell.Text}, {"Art", cell.Art}};
    if (cellCarriesPicture(dokTyp, cell.Art)) {
        o["Bild"] = pictureToJson(cell.Bild);
        o["BildKenn"] = cell.BildKenn;
        o["Groesse"] = cell.Groesse;
        o["BildkarteAnpassen"] = cell.BildkarteAnpassen;
        o["Link"] = cell.Link;
        o["LinkInUebung"] = cell.LinkInUebung;
    }
    return o;
}

QJsonObject headerToJson(const HeaderDataTyp& h)
{
    QJsonObject o{
        {"Version", h.Version},
        {"Titel", h.Titel},
        {"Autor", h.Autor},
        {"Bemerkung", h.Bemerkung},
        {"lueckentext", h.lueckentext},
        {"fragentext", h.fragentext},
        {"AnzFrageNummern", h.AnzFrageNummern},
        {"DokTyp", h.DokTyp},
        {"DokUnterTyp", h.DokUnterTyp},
        {"RandErw", rectToJson(h.RandErw)},
        {"NumArt", h.NumArt},
        {"GeordnetArt", h.GeordnetArt},
        {"EinrueckRand", rectToJson(h.EinrueckRand)},
        {"HtgdCol", h.HtgdCol},
        {"BasisbildDeck", h.BasisbildDeck},
        {"MinLuecke", h.MinLuecke},
        {"BilderPasswort", h.BilderPasswort},
        {"Arbeitsblatt", h.Arbeitsblatt},
        {"ABAufgabe", h.ABAufgabe},
        {"TextCol", h.TextCol},
        {"FragBtnHtgdCol", h.FragBtnHtgdCol},
        {"FragBtnTextCol", h.FragBtnTextCol},
        {"LueckentextCol", h.LueckentextCol},
        {"ABLogo", pictureToJson(h.ABLogo)},
        {"LogoGroesse", h.LogoGroesse},
        {"LogoAusricht", h.LogoAusricht},
        {"Fusszeile", h.Fusszeile},
        {"FusszeileAusricht", h.FusszeileAusricht},
        {"Zielpunktgroesse", h.Zielpunktgroesse},
    };
    if (hasGapTable(h.DokTyp, h.DokUnterTyp)) {
        o["LueckenTabelleZeilen"] = h.LueckenTabelleZeilen;
        o["LueckenTabelleSpalten"] = h.LueckenTabelleSpalten;
        o["LueckenTabelleLinie"] = h.LueckenTabelleLinie;
        o["LueckenTabelleLinieCol"] = h.LueckenTabelleLinieCol;
        QJsonArray rows;
        for (int r = 0; r < h.LueckenTabelleZeilen && r < kTableRows; ++r) {
            QJsonArray row;
            for (int c = 0; c < h.LueckenTabelleSpalten && c < kTableColumns; ++c)
                row.append(cellToJson(h.LueckenTabelle[r][c], h.DokTyp));
            rows.append(row);
        }
        o["LueckenTabelle"] = rows;
    }
    if (h.DokTyp == DokTyp::Cluster) {
        QJsonArray columns;
        for (int c = 0; c < h.LueckenTabelleSpalten && c < kTableColumns; ++c)
            columns.append(QJsonObject{{"colour", h.SpaltenHtgd[c].colour},
                                       {"value", h.SpaltenHtgd[c].value}});
        o["SpaltenHtgd"] = columns;
    }
    if (h.DokTyp == DokTyp::Crossword) {
        QJsonArray grid;
        for (int r = 0; r < kCrosswordSize; ++r)
            grid.append(stringsToJson(&h.KreuzGitter[r * kCrosswordSize], kCrosswordSize));
        o["KreuzGitter"] = grid;
        o["KreuzFragen1"] = stringsToJson(h.KreuzFragen1.data(), kCrosswordSize);
        o["KreuzFragen2"] = stringsToJson(h.KreuzFragen2.data(), kCrosswordSize);
        o["KreuzFarben"] = intsToJson(h.KreuzFarben);
    }
    return o;
}

QJsonObject objectToJson(const ObjDataTyp& ob)
{
    QJsonObject o{
        {"Sx", ob.Sx},
        {"Sy", ob.Sy},
        {"Kx", ob.Kx},
        {"Ky", ob.Ky},
        {"Text", ob.Text},
        {"KAusr", ob.KAusr},
        {"TAusr", ob.TAusr},
        {"Ebene", ob.Ebene},
        {"Typ", ob.Typ},
        {"Sline", ob.Sline},
        {"Fsize", ob.Fsize},
        {"KAusrAktiv", ob.KAusrAktiv},
        {"FrageNummer", ob.FrageNummer},
        {"Stil", ob.Stil},
        {"Farbe", ob.Farbe},
        {"LinieFarbe", ob.LinieFarbe},
        {"LinieDicke", ob.LinieDicke},
        {"Untertyp", ob.Untertyp},
        {"AntwortAnz", ob.AntwortAnz},
        {"ZIndex", ob.ZIndex},
        {"HFarbe", ob.HFarbe},
        {"HDeck", ob.HDeck},
        {"PktCap", ob.PktCap},
        {"PktCap2", ob.PktCap2},
        {"BildKenn", ob.BildKenn},
        {"BildDeck", ob.BildDeck},
        {"BildkarteAnpassen", ob.BildkarteAnpassen},
        {"PunktInUebung", ob.PunktInUebung},
    };
    if (storesPicture(ob.Typ))
        o["Bild"] = pictureToJson(ob.Bild);
    if (isMcQuestionKind(ob.Typ)) {
        if (ob.Untertyp == 1) {
            QJsonArray answers;
            for (int i = 0; i < ob.AntwortAnz && i < kMaxAnswerPictures; ++i)
                answers.append(pictureToJson(ob.BildAntw[i]));
            o["BildAntw"] = answers;
        }
        o["MCInfoLinkData"] = intsToJson(ob.MCInfoLinkData);
    }
    return o;
}

} // namespace

QString straightRgbaSha256(const Picture& picture)
{
    QImage image = picture;
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray row(qsizetype(image.width()) * 4, Qt::Uninitialized);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* out = row.data();
        for (int x = 0; x < image.width(); ++x) {
            *out++ = char(qRed(line[x]));
            *out++ = char(qGreen(line[x]));
            *out++ = char(qBlue(line[x]));
            *out++ = char(qAlpha(line[x]));
        }
        hash.addData(row);
    }
    return QString::fromLatin1(hash.result().toHex());
}

QJsonValue pictureToJson(const Picture& picture)
{
    if (picture.isNull())
        return QJsonValue::Null;
    return QJsonObject{{"width", picture.width()},
                       {"height", picture.height()},
                       {"rgba_sha256", straightRgbaSha256(picture)}};
}

QJsonObject documentToJson(const Document& document)
{
    QJsonArray objects;
    for (const ObjDataTyp& o : document.objects)
        objects.append(objectToJson(o));
    return {{"header", headerToJson(document.header)},
            {"Schriftart", document.fontName()},
            {"objects", objects},
            {"baseImage", pictureToJson(document.baseImage)}};
}

} // namespace velunto
