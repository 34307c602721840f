#include "view/board/notebox.h"

#include "common/cp1252.h"
#include "common/filemessages.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace velunto {

namespace {

// Larger note files are refused rather than read whole.
constexpr qint64 kMaxNoteFileBytes = 32 * 1024 * 1024;

int roundToStep(int value, int step)
{
    return (value + step / 2) / step * step;
}

void appendEscaped(QByteArray& out, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == 0x2028) {
            out += "\\line ";
        } else if (c >= 0x20 && c < 0x80) {
            out += char(c);
        } else if (c < 0x20) {
            continue;
        } else if (fitsCp1252(QString(QChar(c)))) {
            out += "\\'" + toCp1252(QString(QChar(c))).toHex();
        } else {
            // A signed 16-bit value with "?" for readers without Unicode.
            out += "\\u" + QByteArray::number(int(qint16(c))) + '?';
        }
    }
}

// What the reader keeps per group.
struct GroupState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // 0: the document's size
    int unicodeSkip = 1;
    bool skip = false; // a destination whose text is not part of the note
};

bool skippedDestination(const QByteArray& word)
{
    static const char* const names[] = {
        "fonttbl", "colortbl", "stylesheet", "info",     "pict",      "object",
        "header",  "footer",   "headerl",    "headerr",  "footerl",   "footerr",
        "fldinst", "listtable", "listoverridetable", "rsidtbl", "generator", "themedata",
        "datastore", "latentstyles", "xmlnstbl", "filetbl", "revtbl", "footnote"};
    return std::any_of(std::begin(names), std::end(names),
                       [&word](const char* n) { return word == n; });
}

class RtfReader
{
  public:
    explicit RtfReader(QTextDocument& document) : m_cursor(&document) {}

    void read(QByteArrayView rtf)
    {
        std::vector<GroupState> stack{GroupState{}};
        bool groupStart = false;
        int pendingSkip = 0; // characters after \u to leave out
        const qsizetype n = rtf.size();
        for (qsizetype i = 0; i < n;) {
            const char c = rtf[i];
            if (c == '{') {
                flush(stack.back());
                stack.push_back(stack.back());
                groupStart = true;
                ++i;
                continue;
            }
            if (c == '}') {
                flush(stack.back());
                if (stack.size() > 1)
                    stack.pop_back();
                groupStart = false;
                ++i;
                continue;
            }
            GroupState& state = stack.back();
            if (c == '\\' && i + 1 < n) {
                const char next = rtf[i + 1];
                if (next == '\'' && i + 3 < n) {
                    const QByteArray hex(rtf.data() + i + 2, 2);
                    bool ok = false;
                    const int byte = hex.toInt(&ok, 16);
                    if (ok)
                        text(state, fromCp1252(QByteArray(1, char(byte))), pendingSkip);
                    i += 4;
                } else if (std::isalpha(static_cast<unsigned char>(next))) {
                    qsizetype j = i + 1;
                    while (j < n && std::isalpha(static_cast<unsigned char>(rtf[j])))
                        ++j;
                    const QByteArray word(rtf.data() + i + 1, j - i - 1);
                    qsizetype k = j;
                    if (k < n && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k]))))
                        ++k;
                    while (k < n && k - j < 10 && std::isdigit(static_cast<unsigned char>(rtf[k])))
                        ++k;
                    const bool hasValue = k > j;
                    const int value = hasValue ? QByteArray(rtf.data() + j, k - j).toInt() : 1;
                    if (k < n && rtf[k] == ' ')
                        ++k;
                    i = k;
                    if (groupStart && skippedDestination(word))
                        state.skip = true;
                    groupStart = false;
                    controlWord(state, word, hasValue, value, pendingSkip);
                    continue;
                } else {
                    // Control symbols.
                    if (next == '*' && groupStart)
                        state.skip = true;
                    else if (next == '\\' || next == '{' || next == '}')
                        text(state, QString(QChar(next)), pendingSkip);
                    else if (next == '~')
                        text(state, QString(QChar(0xA0)), pendingSkip);
                    else if (next == '\n' || next == '\r')
                        paragraph(state);
                    i += 2;
                }
                groupStart = false;
                continue;
            }
            groupStart = false;
            if (c != '\r' && c != '\n')
                text(state, fromCp1252(QByteArray(1, c)), pendingSkip);
            ++i;
        }
        flush(stack.back());
    }

  private:
    void controlWord(GroupState& state, const QByteArray& word, bool hasValue, int value,
                     int& pendingSkip)
    {
        const bool on = !hasValue || value != 0;
        if (word == "par") {
            paragraph(state);
        } else if (word == "line") {
            text(state, QString(QChar(0x2028)), pendingSkip);
        } else if (word == "tab") {
            text(state, QStringLiteral("\t"), pendingSkip);
        } else if (word == "b") {
            setFormat(state, [&] { state.bold = on; });
        } else if (word == "i") {
            setFormat(state, [&] { state.italic = on; });
        } else if (word == "ul") {
            setFormat(state, [&] { state.underline = on; });
        } else if (word == "ulnone") {
            setFormat(state, [&] { state.underline = false; });
        } else if (word == "fs" && hasValue) {
            setFormat(state, [&] { state.halfPoints = std::clamp(value, 2, 400); });
        } else if (word == "plain") {
            setFormat(state, [&] {
                state.bold = state.italic = state.underline = false;
                state.halfPoints = 0;
            });
        } else if (word == "uc" && hasValue) {
            state.unicodeSkip = std::clamp(value, 0, 10);
        } else if (word == "u" && hasValue) {
            const char16_t unit = char16_t(value < 0 ? value + 65536 : value);
            text(state, QString(QChar(unit)), pendingSkip);
            pendingSkip = state.unicodeSkip;
        }
    }

    template <typename Change> void setFormat(GroupState& state, Change change)
    {
        flush(state);
        change();
    }

    void text(const GroupState& state, const QString& s, int& pendingSkip)
    {
        if (pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        if (state.skip)
            return;
        // Control characters are no text of a note (tabs come as \tab).
        for (const QChar c : s)
            if (c.unicode() >= 0x20 || c == u'\t')
                m_run += c;
    }

    void paragraph(const GroupState& state)
    {
        if (state.skip)
            return;
        flush(state);
        m_cursor.insertBlock();
    }

    void flush(const GroupState& state)
    {
        if (m_run.isEmpty())
            return;
        QTextCharFormat format;
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        if (state.halfPoints > 0)
            format.setFontPointSize(state.halfPoints / 2.0);
        m_cursor.insertText(m_run, format);
        m_run.clear();
    }

    QTextCursor m_cursor;
    QString m_run;
};

} // namespace

int NoteBoxSettings::clampFontSize(int size)
{
    return std::clamp(size, kMinFontSize, kMaxFontSize);
}

int NoteBoxSettings::clampWidth(int width)
{
    return std::clamp(roundToStep(width, kSizeStep), kMinWidth, kMaxWidth);
}

int NoteBoxSettings::clampHeight(int height)
{
    return std::clamp(roundToStep(height, kSizeStep), kMinHeight, kMaxHeight);
}

QByteArray noteToRtf(const QTextDocument& document, const QString& font)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil ";
    appendEscaped(out, font);
    out += ";}}\n\\f0 ";
    const int baseHalfPoints = qRound(document.defaultFont().pointSizeF() * 2);
    if (baseHalfPoints > 0)
        out += "\\fs" + QByteArray::number(baseHalfPoints) + ' ';
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            out += "\\par\n";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat f = fragment.charFormat();
            QByteArray words;
            if (f.fontWeight() >= QFont::Bold)
                words += "\\b";
            if (f.fontItalic())
                words += "\\i";
            if (f.fontUnderline())
                words += "\\ul";
            if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
                words += "\\fs" + QByteArray::number(qRound(f.fontPointSize() * 2));
            out += '{' + words;
            if (!words.isEmpty())
                out += ' ';
            appendEscaped(out, fragment.text());
            out += '}';
        }
    }
    out += "}\n";
    return out;
}

bool rtfToNote(QByteArrayView rtf, QTextDocument& document)
{
    if (!rtf.startsWith("{\\rtf"))
        return false;
    document.clear();
    RtfReader(document).read(rtf);
    return true;
}

QString readNoteFile(const QString& path, QTextDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxNoteFileBytes)
        return fileReadErrorMessage(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileReadErrorMessage(path);
    if (bytes.startsWith("{\\rtf")) {
        rtfToNote(bytes, document);
        return {};
    }
    document.setPlainText(QString::fromUtf8(bytes));
    return {};
}

QString writeNoteFile(const QString& path, const QTextDocument& document, const QString& font)
{
    const QByteArray rtf = noteToRtf(document, font);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit())
        return fileWriteErrorMessage(path);
    return {};
}

} // namespace velunto
