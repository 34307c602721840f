#include "common/binarystream.h"
#include "common/cp1252.h"
#include "common/filemessages.h"
#include "document/commatext.h"
#include "document/documentfile.h"
#include "document/documentformat.h"
#include "document/documenttypes.h"
#include "document/fontfactor.h"
#include "document/objectkinds.h"
#include "document/picturecodec.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <bitset>
#include <cerrno>
#include <limits>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velunto {

namespace {

// The fewest bytes an object takes in the file: four Doubles, the text's
// length and seven Int32. Used to refuse an object count that the bytes
// present cannot hold before anything is allocated.
constexpr qsizetype kMinObjectBytes = 4 * 8 + 4 + 7 * 4;

// Larger files are not read: no document comes near this size.
constexpr qint64 kMaxDocumentFileBytes = qint64(2) << 30;

QByteArrayView bytesOf(QLatin1StringView text)
{
    return QByteArrayView(text.data(), text.size());
}

// Whether a key is listed: anywhere in the key list, as a substring. The list
// is searched in its code page 1252 bytes, in which every key is spelled
// byte for byte.
bool keyListed(QByteArrayView list, Key key)
{
    // A plain search: Qt's contains() builds a skip table at every call,
    // which costs more than the search itself in a key list of this size.
    const std::string_view haystack(list.data(), size_t(list.size()));
    const auto listed = [&haystack](QLatin1StringView name) {
        return haystack.find(std::string_view(name.data(), size_t(name.size()))) !=
               std::string_view::npos;
    };
    return listed(kKeyNames[std::size_t(key)]) ||
           (key == Key::EinrueckRand && listed(kKeyEinrueckRandUmlaut));
}

class KeySet
{
  public:
    explicit KeySet(QByteArrayView list)
    {
        for (std::size_t i = 0; i < kKeyCount; ++i)
            m_present[i] = keyListed(list, Key(i));
    }

    bool has(Key key) const { return m_present[std::size_t(key)]; }

  private:
    std::bitset<kKeyCount> m_present;
};

// The stored part of a document, read apart from the Document so that a
// failure never leaves a half-read one.
struct DocumentContent
{
    HeaderDataTyp header;
    std::vector<ObjDataTyp> objects;
    Picture baseImage;
    QString fontName;
};

bool knownFormat(QByteArrayView magic)
{
    const QByteArrayView format = magic.first(std::min<qsizetype>(4, magic.size()));
    return format == bytesOf(kMagicVelunto) || format == bytesOf(kMagicOld);
}

struct Magic
{
    bool knownFormat = false;
    QByteArray version; // characters 5 to 8
};

// True when bytes, at most four, are how a magic of ours begins.
bool beginsLikeMagic(QByteArrayView bytes)
{
    return bytesOf(kMagicVelunto).startsWith(bytes) || bytesOf(kMagicOld).startsWith(bytes);
}

Magic readMagic(ByteReader& in)
{
    const qsizetype start = in.position();
    const std::int32_t length = in.readInt32();
    if (length < 0 || length > in.remaining()) {
        // The length runs past the end: a magic cut short, or the first bytes
        // of a file of another kind (a PNG "length" is 1.2 billion), which
        // is then reported as such rather than as a file cut short.
        const QByteArrayView rest = in.bytes().sliced(in.position());
        if (!beginsLikeMagic(rest.first(std::min<qsizetype>(4, rest.size()))))
            return {};
    }
    in.seek(start);
    const QByteArray magic = in.readRawStr();
    return {knownFormat(magic), magic.mid(4, 4)};
}

// Versions are compared as 4-character strings, byte by byte.
bool versionBelow(const QByteArray& version, QLatin1StringView limit)
{
    return QByteArrayView(version).compare(bytesOf(limit)) < 0;
}

bool versionAbove(const QByteArray& version, QLatin1StringView limit)
{
    return QByteArrayView(version).compare(bytesOf(limit)) > 0;
}

RectD readRect(ByteReader& in)
{
    RectD r;
    r.left = in.readDouble();
    r.top = in.readDouble();
    r.right = in.readDouble();
    r.bottom = in.readDouble();
    return r;
}

class DocumentReader
{
  public:
    DocumentReader(ByteReader& in, const KeySet& keys, const QByteArray& version,
                   const LoadOptions& options)
        : m_in(in), m_keys(keys), m_version(version), m_options(options)
    {
    }

    void read(DocumentContent& content);

  private:
    int optInt(Key key, int fallback) { return m_keys.has(key) ? m_in.readInt32() : fallback; }
    QString optStr(Key key, const QString& fallback = {})
    {
        return m_keys.has(key) ? m_in.readStr() : fallback;
    }

    void readGapTable(HeaderDataTyp& h);
    void readCrossword(HeaderDataTyp& h);
    void readLogo(HeaderDataTyp& h);
    ObjDataTyp readObject(const QString& fontName);

    ByteReader& m_in;
    const KeySet& m_keys;
    QByteArray m_version;
    LoadOptions m_options;
};

void DocumentReader::read(DocumentContent& content)
{
    HeaderDataTyp& h = content.header;
    if (m_keys.has(Key::CodePage)) {
        m_in.readInt32();
        m_in.readInt32();
    }
    h.Version = m_in.readStr();
    h.Titel = m_in.readStr();
    h.Autor = m_in.readStr();
    h.Bemerkung = m_in.readStr();
    h.lueckentext = optStr(Key::Lueckentext);
    h.fragentext = optStr(Key::Fragentext);
    h.AnzFrageNummern = optInt(Key::AnzFrageNummern, 0);
    h.DokTyp = optInt(Key::DokTyp, 0);
    h.RandErw = m_keys.has(Key::RandErw) ? readRect(m_in) : RectD{};
    h.NumArt = optInt(Key::NumArt, 0);
    h.GeordnetArt = optInt(Key::GeordnetArt, 0);
    h.EinrueckRand = m_keys.has(Key::EinrueckRand) ? readRect(m_in) : defaultEinrueckRand(h.DokTyp);
    h.HtgdCol = optInt(Key::HtgdCol, 0xFFFFFF);
    h.BasisbildDeck = optInt(Key::BasisbildDeck, 100);
    h.MinLuecke = optInt(Key::MinLuecke, 3);
    h.DokUnterTyp = optInt(Key::DokUnterTyp, 0);

    if (hasGapTable(h.DokTyp, h.DokUnterTyp))
        readGapTable(h);
    if (h.DokTyp == DokTyp::Cluster && m_keys.has(Key::LueckentabelleSpaltenHtgd)) {
        for (int c = 0; c < h.LueckenTabelleSpalten; ++c) {
            h.SpaltenHtgd[c].colour = m_in.readInt32();
            h.SpaltenHtgd[c].value = m_in.readInt32();
        }
    }
    if (h.DokTyp == DokTyp::Crossword)
        readCrossword(h);

    if (m_keys.has(Key::BilderPasswort))
        h.BilderPasswort = fromCp1252(scramblePassword(m_in.readRawStr()));
    if (m_keys.has(Key::Schriftart))
        content.fontName = m_in.readStr();
    h.Arbeitsblatt = optStr(Key::Arbeitsblatt);
    h.ABAufgabe = optStr(Key::ABAufgabe, QStringLiteral("Aufgabe: Fülle die freien Felder aus!"));
    h.TextCol = optInt(Key::TextCol, 0x000000);
    h.FragBtnHtgdCol = optInt(Key::FragBtnHtgdCol, 0xFF0000);
    h.FragBtnTextCol = optInt(Key::FragBtnTextCol, 0xFFFFFF);
    h.LueckentextCol = optInt(Key::LueckentextCol, 0xFF0000);
    if (m_keys.has(Key::ABLogo))
        readLogo(h);
    h.Zielpunktgroesse = optInt(Key::Zielpunktgroesse, 100);

    const std::int32_t count = m_in.readInt32();
    if (count < 0 || count > m_in.remaining() / kMinObjectBytes)
        throw ReadError("object count beyond the data");
    content.objects.reserve(std::size_t(count));
    for (std::int32_t i = 0; i < count; ++i)
        content.objects.push_back(readObject(content.fontName));

    content.baseImage = readPng(m_in);
}

void DocumentReader::readGapTable(HeaderDataTyp& h)
{
    h.LueckenTabelleZeilen = optInt(Key::LueckenTabelleZeilen, 5);
    h.LueckenTabelleSpalten = optInt(Key::LueckenTabelleSpalten, 2);
    if (h.LueckenTabelleZeilen < 1 || h.LueckenTabelleZeilen > kTableRows ||
        h.LueckenTabelleSpalten < 1 || h.LueckenTabelleSpalten > kTableColumns)
        throw ReadError("gap table size out of range");

    for (int r = 0; r < h.LueckenTabelleZeilen; ++r) {
        for (int c = 0; c < h.LueckenTabelleSpalten; ++c) {
            lueckentabellearrtyp& cell = h.LueckenTabelle[r][c];
            cell.Text = m_in.readStr();
            if (!m_keys.has(Key::LueckenTabelleBild))
                continue;
            cell.Art = m_in.readInt32();
            if (!cellCarriesPicture(h.DokTyp, cell.Art))
                continue;
            cell.Bild = readPng(m_in);
            cell.BildKenn = m_in.readStr();
            cell.Groesse = m_in.readInt32();
            cell.BildkarteAnpassen = m_in.readInt32();
            if (m_keys.has(Key::LueckenTabelleBildLink)) {
                cell.Link = m_in.readStr();
                cell.LinkInUebung = m_in.readInt32();
            }
        }
    }
    h.LueckenTabelleLinie = optInt(Key::LueckenTabelleLinie, 0);
    h.LueckenTabelleLinieCol = optInt(Key::LueckenTabelleLinieCol, 0xC0C0C0);
}

void DocumentReader::readCrossword(HeaderDataTyp& h)
{
    m_in.readInt32();
    m_in.readInt32();
    for (QString& cell : h.KreuzGitter)
        cell = m_in.readStr();
    m_in.readInt32();
    for (QString& clue : h.KreuzFragen1)
        clue = m_in.readStr();
    m_in.readInt32();
    for (QString& clue : h.KreuzFragen2)
        clue = m_in.readStr();
    for (int i = 0; i < 5; ++i)
        h.KreuzFarben[i] = m_in.readInt32();
    h.KreuzFarben[5] =
        versionBelow(m_version, kFormatVersion) ? h.KreuzFarben[4] : m_in.readInt32();
}

void DocumentReader::readLogo(HeaderDataTyp& h)
{
    const std::int32_t hasLogo = m_in.readInt32();
    h.ABLogo = hasLogo == 1 ? readPng(m_in) : Picture();
    h.LogoGroesse = m_in.readDouble();
    h.LogoAusricht = m_in.readInt32();
    h.Fusszeile = m_in.readStr();
    h.FusszeileAusricht = m_in.readInt32();
}

ObjDataTyp DocumentReader::readObject(const QString& fontName)
{
    ObjDataTyp o;
    o.Sx = m_in.readDouble();
    o.Sy = m_in.readDouble();
    o.Kx = m_in.readDouble();
    o.Ky = m_in.readDouble();
    o.Text = fromCommaText(m_in.readStr());
    o.KAusr = m_in.readInt32();
    o.TAusr = m_in.readInt32();
    o.Ebene = m_in.readInt32();
    o.Typ = m_in.readInt32();
    o.Sline = m_in.readInt32();
    o.Fsize = m_in.readInt32();
    // Old files measured picture sizes in steps of the document font.
    if (versionBelow(m_version, kVersionFontSteps) && isPictureKind(o.Typ))
        o.Fsize = convertSizeStep(o.Fsize, fontHeightFactor(fontName));
    o.KAusrAktiv = m_in.readInt32();
    o.FrageNummer = optInt(Key::ObFrageNummer, -1);
    o.Stil = optInt(Key::ObStil, 0);
    o.Farbe = optInt(Key::ObFarbe, 0x000000);
    o.LinieFarbe = optInt(Key::ObLinieFarbe, 0x000000);
    o.LinieDicke = optInt(Key::ObLinieDicke, 1);
    o.Untertyp = optInt(Key::ObUntertyp, 0);
    o.AntwortAnz = optInt(Key::ObAntwortAnz, 0);
    o.ZIndex = optInt(Key::ObZIndex, 0);
    o.HFarbe = optInt(Key::ObHFarbe, 0xFFFFFF);
    o.HDeck = optInt(Key::ObHDeck, 0);
    const bool point = isPointKind(o.Typ);
    if (point && !m_keys.has(Key::ObPktHtgdDeck))
        o.HDeck = 100;
    o.PktCap = optStr(Key::ObPktCap, defaultPointTitle(o.Typ));
    o.PktCap2 = optStr(Key::ObPktCap2);
    if (point && !m_keys.has(Key::ObPktCap)) {
        o.Farbe = 0xFFFFFF;
        o.HFarbe = pointColour(o.Typ);
    }
    o.BildKenn = optStr(Key::ObBildKenn);
    o.BildDeck = optInt(Key::ObBildDeck, 100);
    o.BildkarteAnpassen = optInt(Key::ObBildkarteAnpassen, 0);
    o.PunktInUebung = optInt(Key::ObPunktInUebung, 0);
    if (storesPicture(o.Typ))
        o.Bild = readPng(m_in);
    if (m_keys.has(Key::ObBildAntw) && isMcQuestionKind(o.Typ) && o.Untertyp == 1) {
        for (int i = 0; i < kMaxAnswerPictures && i < o.AntwortAnz; ++i)
            o.BildAntw[i] = readPng(m_in);
    }
    if (m_keys.has(Key::ObMCInfoLinkData) && isMcQuestionKind(o.Typ)) {
        for (int& value : o.MCInfoLinkData)
            value = m_in.readInt32();
    }
    o.Abdeckung = m_options.objectEditorOpen ? 0 : -1;
    return o;
}

const QString kWrongFormatMessage = QStringLiteral("Ungültiges Dateiformat.");
const QString kNewerVersionMessage =
    QStringLiteral("Das ausgewählte Dokument wurde mit einer neueren Programmversion erstellt "
                   "und kann deshalb mit der vorliegenden Velunto-Version nicht geöffnet werden.");

// Reports the file as unreadable, after the specific message when there is
// one, and resets the document to the empty start document unless the
// caller keeps it.
LoadResult failure(Document& document, const QString& path, const LoadOptions& options,
                   const QString& specific = {})
{
    LoadResult result;
    if (!specific.isEmpty())
        result.messages.push_back({Prompter::Kind::Error, specific});
    result.messages.push_back({Prompter::Kind::Error, fileReadErrorMessage(path)});
    if (!options.keepOnFailure)
        document.newDocument();
    return result;
}

// --- summary ---------------------------------------------------------------------

// Reads up to count bytes; fewer only at the end of the file. -1 on error
// (a folder, a file that cannot be read).
qint64 readFully(int fd, char* out, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd, out + done, size_t(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

enum class SummaryState { Complete, NeedMoreBytes, Invalid };

// Reads the summary from the first bytes of a file of totalSize bytes.
// Lengths are checked against the whole file, so that a hostile length fails
// at once instead of asking for more bytes.
SummaryState parseSummary(QByteArrayView head, qint64 totalSize, DocumentSummary& summary)
{
    ByteReader in(head);
    auto need = [&](qint64 count) {
        if (count < 0 || count > totalSize - in.position())
            return SummaryState::Invalid;
        if (count > in.remaining())
            return SummaryState::NeedMoreBytes;
        return SummaryState::Complete;
    };
    SummaryState state = SummaryState::Complete;
    auto readInt = [&](int& value) {
        if ((state = need(4)) != SummaryState::Complete)
            return false;
        value = in.readInt32();
        return true;
    };
    // Views into head: a folder listing reads many summaries, and nothing
    // here needs a copy of the bytes.
    auto readBytes = [&](QByteArrayView& value) {
        int length = 0;
        if (!readInt(length))
            return false;
        if ((state = need(length)) != SummaryState::Complete)
            return false;
        value = in.readBytes(length);
        return true;
    };
    auto readStr = [&](QString& value) {
        QByteArrayView bytes;
        if (!readBytes(bytes))
            return false;
        value = fromCp1252(bytes);
        return true;
    };

    QByteArrayView magic;
    if (!readBytes(magic))
        return state;
    if (!knownFormat(magic))
        return SummaryState::Invalid;
    QByteArrayView keys;
    if (!readBytes(keys))
        return state;
    int skipped = 0;
    if (keyListed(keys, Key::CodePage) && !(readInt(skipped) && readInt(skipped)))
        return state;
    if (!(readStr(summary.Version) && readStr(summary.Titel) && readStr(summary.Autor) &&
          readStr(summary.Bemerkung)))
        return state;
    if (keyListed(keys, Key::Lueckentext) && !readStr(summary.lueckentext))
        return state;
    if (keyListed(keys, Key::Fragentext) && !readStr(summary.fragentext))
        return state;
    if (keyListed(keys, Key::AnzFrageNummern) && !readInt(summary.AnzFrageNummern))
        return state;
    if (keyListed(keys, Key::DokTyp) && !readInt(summary.DokTyp))
        return state;
    return SummaryState::Complete;
}

} // namespace

LoadResult loadDocumentFromBytes(Document& document, QByteArrayView bytes, const QString& path,
                                 const LoadOptions& options)
{
    DocumentContent content;
    content.fontName = document.fontName();
    const PageRatioPresets& presets = document.pageRatioPresets();
    content.header.SeitRatioArt = presets.art;
    content.header.SeitRatioBreite = presets.breite;
    content.header.SeitRatioHoehe = presets.hoehe;
    try {
        ByteReader in(bytes, options.offset > 0 ? qsizetype(options.offset) : 0);
        const Magic magic = readMagic(in);
        if (!magic.knownFormat)
            return failure(document, path, options, kWrongFormatMessage);
        if (versionAbove(magic.version, kFormatVersion))
            return failure(document, path, options, kNewerVersionMessage);
        const KeySet keys(in.readRawStr());
        DocumentReader(in, keys, magic.version, options).read(content);
    } catch (const std::exception&) {
        // ReadError for missing or inconsistent bytes, bad_alloc when memory
        // runs out: the file cannot be read either way.
        return failure(document, path, options);
    }

    // Observers hear of the new document once, when it is complete.
    DocumentChangeBatch batch(document);
    document.newDocument();
    document.header = std::move(content.header);
    document.header.FileName = QFileInfo(path).absoluteFilePath();
    document.objects = std::move(content.objects);
    document.baseImage = std::move(content.baseImage);
    document.setFontName(content.fontName);
    document.updateZRange();
    document.rebuildContent();
    document.setModified(false);
    return {true, {}};
}

LoadResult loadDocument(Document& document, const QString& path, const LoadOptions& options)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {false, {{Prompter::Kind::Error, fileMissingMessage(path)}}};

    // The file is read whole rather than mapped: a mapped file that another
    // computer shortens on a network share would crash the program.
    const qint64 start = options.offset > 0 ? options.offset : 0;
    if (!info.isFile() || info.size() - start > kMaxDocumentFileBytes)
        return failure(document, path, options);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || (start > 0 && !file.seek(start)))
        return failure(document, path, options);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(document, path, options);
    file.close();

    LoadOptions fromStart = options;
    fromStart.offset = 0;
    return loadDocumentFromBytes(document, bytes, path, fromStart);
}

std::optional<DocumentSummary> readDocumentSummary(QByteArrayView head)
{
    DocumentSummary summary;
    if (parseSummary(head, head.size(), summary) != SummaryState::Complete)
        return std::nullopt;
    return summary;
}

std::optional<DocumentSummary> readDocumentSummary(const QString& path)
{
    // Listing a folder reads many summaries, so this reads the file with
    // plain system calls, and its size is asked for only when the first
    // block does not hold the summary.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });

    qint64 blockSize = 4096;
    qint64 size = -1; // not known yet
    QByteArray head;
    for (;;) {
        const qint64 wanted = (size < 0 ? blockSize : std::min(blockSize, size)) - head.size();
        if (wanted > 0) {
            const qsizetype old = head.size();
            head.resize(old + wanted);
            const qint64 got = readFully(fd, head.data() + old, wanted);
            if (got < 0)
                return std::nullopt;
            head.truncate(old + got);
            if (got < wanted) // the file ends here
                size = head.size();
        }
        DocumentSummary summary;
        switch (parseSummary(head, size < 0 ? std::numeric_limits<qint64>::max() : size, summary)) {
        case SummaryState::Complete:
            return summary;
        case SummaryState::Invalid:
            return std::nullopt;
        case SummaryState::NeedMoreBytes:
            if (size < 0) {
                struct stat status;
                if (::fstat(fd, &status) != 0)
                    return std::nullopt;
                size = status.st_size;
            }
            if (head.size() >= size)
                return std::nullopt;
            blockSize *= 8;
            break;
        }
    }
}

} // namespace velunto
