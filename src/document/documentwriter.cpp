#include "common/binarystream.h"
#include "common/cp1252.h"
#include "common/filemessages.h"
#include "document/commatext.h"
#include "document/documentfile.h"
#include "document/documentformat.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "document/picturecodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <functional>

#include <fcntl.h>

namespace velunto {

namespace {

// Code page 1252 turns a character it cannot hold into this byte.
constexpr char kSubstitute = 0x1A;
constexpr int kMaxPlacesNamed = 5;
constexpr qint64 kWriteBackStep = 1 << 20;

QString keyList()
{
    QStringList names;
    for (QLatin1StringView name : kKeyNames)
        names << name;
    return names.join(u';');
}

class DocumentWriter
{
  public:
    // Receives the file's bytes in order while they are produced.
    using Stream = std::function<void(QByteArrayView)>;

    explicit DocumentWriter(const Document& document, Stream stream = {})
        : m_doc(document), m_stream(std::move(stream))
    {
    }

    SerializedDocument write();

  private:
    QByteArray encodeText(const QString& text, const QString& place);
    void writeText(const QString& text, const QString& place)
    {
        m_out.writeRawStr(encodeText(text, place));
    }
    void writeInt(int value) { m_out.writeInt32(value); }
    void writeDouble(double value) { m_out.writeDouble(value); }
    void writeRect(const RectD& r);
    void writePicture(const Picture& picture);

    void writeHeader();
    void writeGapTable();
    void writeCrossword();
    void writeObject(const ObjDataTyp& o, int index);
    void passOn();

    const Document& m_doc;
    Stream m_stream;
    qsizetype m_passedOn = 0;
    ByteWriter m_out;
    QStringList m_unsavable; // characters code page 1252 cannot hold, each once
    QStringList m_places;
    bool m_pictureFailed = false;
};

// The text in code page 1252; a character that the code page cannot hold is
// noted with the place of the text, for the message that stops the save.
QByteArray DocumentWriter::encodeText(const QString& text, const QString& place)
{
    const QByteArray bytes = toCp1252(text);
    // A substitute byte may also be a genuine control character; only then
    // is the text looked at character by character.
    if (bytes.contains(kSubstitute)) {
        const QString outside = charactersOutsideCp1252(text);
        for (qsizetype i = 0; i < outside.size(); ++i) {
            const qsizetype length = outside[i].isHighSurrogate() ? 2 : 1;
            const QString character = outside.mid(i, length);
            i += length - 1;
            if (!m_unsavable.contains(character))
                m_unsavable << character;
        }
        if (!outside.isEmpty() && !m_places.contains(place))
            m_places << place;
    }
    return bytes;
}

void DocumentWriter::writeRect(const RectD& r)
{
    writeDouble(r.left);
    writeDouble(r.top);
    writeDouble(r.right);
    writeDouble(r.bottom);
}

// A field that must hold a picture gets the blank picture when it has none,
// since the reader cannot tell a missing picture from the next field.
void DocumentWriter::writePicture(const Picture& picture)
{
    const PngProgress progress = m_stream ? PngProgress([this] { passOn(); }) : PngProgress();
    if (!appendPng(m_out.data(), picture.isNull() ? Document::blankPicture() : picture,
                   kPngSaveSettings, progress))
        m_pictureFailed = true;
}

void DocumentWriter::passOn()
{
    const QByteArray& data = m_out.data();
    if (m_stream && data.size() > m_passedOn) {
        m_stream(QByteArrayView(data).sliced(m_passedOn));
        m_passedOn = data.size();
    }
}

SerializedDocument DocumentWriter::write()
{
    const Picture& base = m_doc.baseImage;
    // Room for the base image as raw RGB, which a photo compresses little
    // below; saves growing the buffer step by step.
    m_out.data().reserve(qsizetype(base.width()) * base.height() * 3 + (1 << 16));

    writeHeader();
    writeInt(m_doc.objectCount());
    for (int i = 0; i < m_doc.objectCount(); ++i)
        writeObject(m_doc.objects[std::size_t(i)], i);
    writePicture(base);
    passOn();

    if (!m_unsavable.isEmpty()) {
        QStringList places = m_places.mid(0, kMaxPlacesNamed);
        if (m_places.size() > kMaxPlacesNamed)
            places << QStringLiteral("…");
        QStringList characters;
        for (const QString& c : std::as_const(m_unsavable))
            characters << QStringLiteral("„") + c + QStringLiteral("“");
        return {{},
                QStringLiteral("Das Dokument kann nicht gespeichert werden, weil es Zeichen "
                               "enthält, die das Dateiformat nicht aufnehmen kann: ") +
                    characters.join(u' ') + QStringLiteral("\r\nBetroffen: ") +
                    places.join(QStringLiteral(", ")) +
                    QStringLiteral("\r\n\r\nBitte ersetzen oder entfernen Sie diese Zeichen und "
                                   "speichern Sie erneut.")};
    }
    if (m_pictureFailed)
        return {{}, QStringLiteral("Die Bilder des Dokuments können nicht gespeichert werden.")};
    return {std::move(m_out.data()), {}};
}

void DocumentWriter::writeHeader()
{
    const HeaderDataTyp& h = m_doc.header;
    writeText(QString(kMagicVelunto) + kFormatVersion, {});
    writeText(keyList(), {});
    writeInt(kCodePageValue);
    writeInt(kWriterRevision);
    writeText(h.Version, QStringLiteral("Version"));
    writeText(h.Titel, QStringLiteral("Titel"));
    writeText(h.Autor, QStringLiteral("Autor"));
    writeText(h.Bemerkung, QStringLiteral("Bemerkung"));
    writeText(h.lueckentext, QStringLiteral("Lückentext"));
    writeText(h.fragentext, QStringLiteral("Fragentext"));
    writeInt(h.AnzFrageNummern);
    writeInt(h.DokTyp);
    writeRect(h.RandErw);
    writeInt(h.NumArt);
    writeInt(h.GeordnetArt);
    writeRect(h.EinrueckRand);
    writeInt(h.HtgdCol);
    writeInt(h.BasisbildDeck);
    writeInt(h.MinLuecke);
    writeInt(h.DokUnterTyp);

    if (hasGapTable(h.DokTyp, h.DokUnterTyp))
        writeGapTable();
    if (h.DokTyp == DokTyp::Cluster) {
        const int columns = std::clamp(h.LueckenTabelleSpalten, 1, kTableColumns);
        for (int c = 0; c < columns; ++c) {
            writeInt(h.SpaltenHtgd[std::size_t(c)].colour);
            writeInt(h.SpaltenHtgd[std::size_t(c)].value);
        }
    }
    if (h.DokTyp == DokTyp::Crossword)
        writeCrossword();

    m_out.writeRawStr(
        scramblePassword(encodeText(h.BilderPasswort, QStringLiteral("Bilder-Passwort"))));

    writeText(m_doc.fontName(), QStringLiteral("Schriftart"));
    writeText(h.Arbeitsblatt, QStringLiteral("Arbeitsblatt"));
    writeText(h.ABAufgabe, QStringLiteral("Arbeitsblatt-Aufgabe"));
    writeInt(h.TextCol);
    writeInt(h.FragBtnHtgdCol);
    writeInt(h.FragBtnTextCol);
    writeInt(h.LueckentextCol);
    writeInt(h.ABLogo.isNull() ? 0 : 1);
    if (!h.ABLogo.isNull())
        writePicture(h.ABLogo);
    writeDouble(h.LogoGroesse);
    writeInt(h.LogoAusricht);
    writeText(h.Fusszeile, QStringLiteral("Fußzeile"));
    writeInt(h.FusszeileAusricht);
    writeInt(h.Zielpunktgroesse);
}

void DocumentWriter::writeGapTable()
{
    const HeaderDataTyp& h = m_doc.header;
    const int rows = std::clamp(h.LueckenTabelleZeilen, 1, kTableRows);
    const int columns = std::clamp(h.LueckenTabelleSpalten, 1, kTableColumns);
    writeInt(rows);
    writeInt(columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const lueckentabellearrtyp& cell = h.LueckenTabelle[std::size_t(r)][std::size_t(c)];
            const QString place = QStringLiteral("Tabellenzelle %1/%2").arg(r + 1).arg(c + 1);
            writeText(cell.Text, place);
            writeInt(cell.Art);
            if (!cellCarriesPicture(h.DokTyp, cell.Art))
                continue;
            writePicture(cell.Bild);
            writeText(cell.BildKenn, place);
            writeInt(cell.Groesse);
            writeInt(cell.BildkarteAnpassen);
            writeText(cell.Link, place);
            writeInt(cell.LinkInUebung);
        }
    }
    writeInt(h.LueckenTabelleLinie);
    writeInt(h.LueckenTabelleLinieCol);
}

void DocumentWriter::writeCrossword()
{
    const HeaderDataTyp& h = m_doc.header;
    const QString place = QStringLiteral("Kreuzworträtsel");
    writeInt(kCrosswordSkippedValue);
    writeInt(kCrosswordSkippedValue);
    for (const QString& cell : h.KreuzGitter)
        writeText(cell, place);
    writeInt(kCrosswordSkippedValue);
    for (const QString& clue : h.KreuzFragen1)
        writeText(clue, place);
    writeInt(kCrosswordSkippedValue);
    for (const QString& clue : h.KreuzFragen2)
        writeText(clue, place);
    for (int colour : h.KreuzFarben)
        writeInt(colour);
}

void DocumentWriter::writeObject(const ObjDataTyp& o, int index)
{
    const QString place = QStringLiteral("Objekt-ID %1").arg(index);
    writeDouble(o.Sx);
    writeDouble(o.Sy);
    writeDouble(o.Kx);
    writeDouble(o.Ky);
    writeText(toCommaText(o.Text), place);
    writeInt(o.KAusr);
    writeInt(o.TAusr);
    writeInt(o.Ebene);
    writeInt(o.Typ);
    writeInt(o.Sline);
    writeInt(o.Fsize);
    writeInt(o.KAusrAktiv);
    writeInt(o.FrageNummer);
    writeInt(o.Stil);
    writeInt(o.Farbe);
    writeInt(o.LinieFarbe);
    writeInt(o.LinieDicke);
    writeInt(o.Untertyp);
    writeInt(o.AntwortAnz);
    writeInt(o.ZIndex);
    writeInt(o.HFarbe);
    writeInt(o.HDeck);
    writeText(o.PktCap, place);
    writeText(o.PktCap2, place);
    writeText(o.BildKenn, place);
    writeInt(o.BildDeck);
    writeInt(o.BildkarteAnpassen);
    writeInt(o.PunktInUebung);
    if (storesPicture(o.Typ))
        writePicture(o.Bild);
    if (isMcQuestionKind(o.Typ) && o.Untertyp == 1) {
        for (int i = 0; i < kMaxAnswerPictures && i < o.AntwortAnz; ++i)
            writePicture(o.BildAntw[std::size_t(i)]);
    }
    if (isMcQuestionKind(o.Typ)) {
        for (int value : o.MCInfoLinkData)
            writeInt(value);
    }
}

// Compares the file with what was written, block by block.
bool fileHolds(const QString& path, const QByteArray& expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != expected.size())
        return false;
    constexpr qsizetype kBlock = 1 << 20;
    QByteArray block(kBlock, Qt::Uninitialized);
    for (qsizetype pos = 0; pos < expected.size(); pos += kBlock) {
        const qsizetype n = std::min(kBlock, expected.size() - pos);
        if (file.read(block.data(), n) != n ||
            std::memcmp(block.constData(), expected.constData() + pos, size_t(n)) != 0)
            return false;
    }
    return true;
}

} // namespace

SerializedDocument serializeDocument(const Document& document)
{
    return DocumentWriter(document).write();
}

SaveResult saveDocument(Document& document, const QString& path)
{
    const SaveResult writeFailed{false, {{Prompter::Kind::Error, fileWriteErrorMessage(path)}}};
    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly);

    // The bytes go to the file while the pictures are still being encoded,
    // and the disk is asked to start writing them at once: the flush to disk
    // that makes the save safe then overlaps with the encoding instead of
    // following it.
    bool written = opened;
    qint64 writeBackStart = 0;
    auto stream = [&](QByteArrayView bytes) {
        if (!written)
            return;
        written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
        if (written && file.pos() - writeBackStart >= kWriteBackStep) {
            ::sync_file_range(file.handle(), writeBackStart, 0, SYNC_FILE_RANGE_WRITE);
            writeBackStart = file.pos();
        }
    };
    const SerializedDocument serialized =
        DocumentWriter(document, opened ? DocumentWriter::Stream(stream) : nullptr).write();
    if (!serialized.error.isEmpty()) {
        if (opened)
            file.cancelWriting();
        return {false, {{Prompter::Kind::Error, serialized.error}}};
    }
    if (!written || !file.commit() || !fileHolds(path, serialized.bytes))
        return writeFailed;

    document.header.FileName = QFileInfo(path).absoluteFilePath();
    document.setModified(false);
    return {true, {}};
}

} // namespace velunto
