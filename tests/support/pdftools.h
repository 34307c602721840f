#pragma once

// Reading printed PDF files back with poppler-utils (installed by
// scripts/setup-deps.sh): the words with their boxes, the page count and
// size, and pages as pictures.

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace velunto::testing {

inline QByteArray runPdfTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// One word of a page in points from the page's top left.
struct PdfWord
{
    int page = 0; // from 1
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

inline std::vector<PdfWord> pdfWords(const QString& pdf)
{
    const QString html = QString::fromUtf8(
        runPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    std::vector<PdfWord> words;
    int page = 0;
    static const QRegularExpression token(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    auto it = token.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(), text});
    }
    return words;
}

inline const PdfWord* findWord(const std::vector<PdfWord>& words, const QString& text, int page = 0)
{
    for (const PdfWord& w : words)
        if (w.text == text && (page == 0 || w.page == page))
            return &w;
    return nullptr;
}

// "Pages:", "Title:", "Page size:" ... of pdfinfo.
inline QString pdfInfo(const QString& pdf, const QString& key)
{
    const QString info = QString::fromUtf8(runPdfTool(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString& line : info.split(u'\n'))
        if (line.startsWith(key + u':'))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

// Page number page (from 1) at dpi as a picture.
inline QImage pdfPage(const QString& pdf, int page, double dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("p"));
    runPdfTool(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

constexpr double kPointsPerMm = 72.0 / 25.4;

// VELUNTO_KEEP_PDF=1 keeps a test's folder of printed files to look at.
inline void keepWhenAsked(QTemporaryDir& dir)
{
    if (qEnvironmentVariableIntValue("VELUNTO_KEEP_PDF") == 1) {
        dir.setAutoRemove(false);
        std::printf("Gedruckt in: %s\n", qPrintable(dir.path()));
    }
}

} // namespace velunto::testing
