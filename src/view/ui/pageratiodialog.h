#pragma once

#include "document/document.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace velunto {

class LearningView;

// "Seitenverhältnis des Dokuments": the page ratio of the open document and,
// on a second page, the presets for new documents and whether new board
// sheets always fill the window.
class PageRatioDialog : public QDialog
{
    Q_OBJECT

  public:
    PageRatioDialog(const HeaderDataTyp& header, const PageRatioPresets& presets,
                    bool sheetsFillWindow, QWidget* parent = nullptr);

    PageRatioPresets documentRatio() const;
    PageRatioPresets presets() const;
    bool sheetsFillWindow() const;
    // "Position von Beschriftungen, Bildern, Infopunkten transformieren"
    bool transform() const;

    // The controls of one page, for tests.
    struct RatioControls
    {
        QRadioButton* pictureRatio = nullptr;
        QRadioButton* fixedRatio = nullptr;
        QSpinBox* width = nullptr;
        QSpinBox* height = nullptr;
    };
    RatioControls& documentControls() { return m_document; }
    RatioControls& presetControls() { return m_presets; }
    QCheckBox* transformBox() { return m_transform; }

  private:
    QWidget* ratioPage(RatioControls& controls, const PageRatioPresets& values, QWidget* extra);
    static PageRatioPresets valuesOf(const RatioControls& controls);

    RatioControls m_document;
    RatioControls m_presets;
    QCheckBox* m_sheetsFill = nullptr;
    QCheckBox* m_transform = nullptr;
};

// Shows the dialog; OK gives the document its ratio and the page its new
// geometry (the view redraws), and keeps the presets in the Document and
// sheetsFillWindow. Returns false when cancelled.
bool editPageRatio(Document& document, LearningView& view, bool& sheetsFillWindow, QWidget* parent);

} // namespace velunto
