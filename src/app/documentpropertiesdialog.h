#pragma once

#include "document/records.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velunto {

class Document;
class Prompter;

// What the dialog "Dokumenteigenschaften" edits.
struct DocumentProperties
{
    QString Titel;
    QString Autor;
    QString Bemerkung; // lines separated by CR LF
    int NumArt = 0;
    int GeordnetArt = 0;
    int Zielpunktgroesse = 100;
    QString BilderPasswort;
    Picture ABLogo;
    double logoPercent = 20.0; // LogoGroesse in percent
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;

    static DocumentProperties of(const HeaderDataTyp& header);
};

// What taking the properties changed that the view must follow.
struct PropertiesChange
{
    bool numberStyleChanged = false;    // NumArt: numbers are drawn anew
    bool numberingOrderChanged = false; // GeordnetArt: an ordered numbering is redone
};

// Takes the values into the document and marks it modified. A changed
// password locks the pictures again.
PropertiesChange applyProperties(Document& document, const DocumentProperties& properties);

// "Dokumenteigenschaften": the file's facts, the texts of the header, the
// numbering, the target point size, the picture password and the worksheet's
// logo and footer.
class DocumentPropertiesDialog : public QDialog
{
    Q_OBJECT
  public:
    DocumentPropertiesDialog(Document& document, Prompter& prompter, QWidget* parent = nullptr);

    DocumentProperties properties() const;

    // The button actions, also for tests.
    void appendTypeToTitle();
    void changePassword();
    void logoFromClipboard();
    void logoFromFile();
    void logoToClipboard();
    void deleteLogo();

    QLineEdit* titleEdit() const { return m_title; }
    QLabel* passwordState() const { return m_passwordState; }
    QComboBox* targetSizeBox() const { return m_targetSize; }
    QDoubleSpinBox* logoSizeBox() const { return m_logoSize; }

  Q_SIGNALS:
    // "&Seitenverhältnis..." was pressed.
    void pageRatioRequested();
    // "Für alle Dokumente des aktuellen Ordners übernehmen" was pressed: the
    // dialog's logo and footer go to every document of the topic folder.
    void logoForFolderRequested();

  private:
    QWidget* fileFacts();
    QWidget* worksheetGroup();
    void showPasswordState();
    void showLogo();

    Document& m_document;
    Prompter& m_prompter;
    QString m_password;
    Picture m_logo;

    QLineEdit* m_title = nullptr;
    QLineEdit* m_author = nullptr;
    QPlainTextEdit* m_remark = nullptr;
    QComboBox* m_numArt = nullptr;
    QComboBox* m_order = nullptr;
    QComboBox* m_targetSize = nullptr;
    QLabel* m_passwordState = nullptr;
    QLabel* m_logoPreview = nullptr;
    QDoubleSpinBox* m_logoSize = nullptr;
    double m_storedLogoPercent = 20.0;
    double m_logoSizeShown = 20.0; // the field's value as it opened
    QComboBox* m_logoAlign = nullptr;
    QLineEdit* m_footer = nullptr;
    QComboBox* m_footerAlign = nullptr;
};

} // namespace velunto
