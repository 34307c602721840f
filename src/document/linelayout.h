#pragma once

#include "common/colorref.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velunto {

class Document;
class TextCanvas;

// What the line layout draws, and what it does with gaps.
enum class LayoutMode : int {
    Info = 0,            // info-point texts: no gaps, "<<" and ">>" are text
    Worksheet = 1,       // gaps are black write-in lines
    SolutionOverlay = 2, // gaps show the answer in red; text drawn only when textVisible
    Solution = 3,        // write-in line and the answer in red
    Cloze = 99,          // gap objects are created or moved; text drawn only when textVisible
};

struct LayoutParams
{
    LayoutMode mode = LayoutMode::Info;
    int width = 0;            // W: the right edge for rules and tabs, and the page width for gaps
    int height = 0;           // H: the page height for gap positions
    int rightMargin = 0;      // R: lines end at W - R
    int leftX = 0;            // where every line starts
    bool measureOnly = false; // compute positions only: draw nothing, create nothing
    bool create = false;      // Cloze: append new GapCards instead of moving existing ones

    QString fontName = QStringLiteral("Arial");
    int fontHeight = 0;  // character height; when 0, fontSize is used
    double fontSize = 0; // point size
    ColorRef colour = 0;

    int minGap = 3;           // MinLuecke: a gap is at least this many "X" wide
    int boxSizePercent = 100; // worksheet modes: gaps are widened to this percentage
    bool textVisible = true;  // SolutionOverlay, Cloze: whether text runs are drawn
    // Tabs and rules measure against the area from leftX to width - rightMargin
    // instead of the whole width (the cells of a gap table).
    bool tabsInArea = false;

    // Cloze: receives the new GapCards (create) or supplies the existing ones,
    // from its gapCursor on. Without a document, gaps only take their room.
    Document* document = nullptr;
};

// Lays out one paragraph (no line breaks inside) from (leftX, y) and returns
// the y below its last line.
int lineLayout(TextCanvas& canvas, const LayoutParams& params, QStringView paragraph, int y);

// The paragraphs of a text: split at CR LF (a lone LF or CR counts as well).
QStringList splitParagraphs(const QString& text);

// Lays out every paragraph of text, each starting at the y the previous one
// returned; returns the final y.
int layoutText(TextCanvas& canvas, const LayoutParams& params, const QString& text, int y);

// The picture of an info text: the lines laid out in Info mode in the font
// fontName at pointSize points (black) onto a picture width wide filled with
// background, cropped to the height used (at most 3000). A null picture
// (height 0) when nothing is laid out or width < 1.
QImage renderInfoText(const QStringList& lines, int width, double pointSize, ColorRef background,
                      const QString& fontName);

} // namespace velunto
