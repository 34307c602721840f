#pragma once

#include "view/objecteditor.h"
#include "view/ui/learningview.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace velunto {

class Document;
class Prompter;

// The tool window "Beschriftungs- und Bildobjekte bearbeiten" beside the
// learning view: the object list, the fields of the selected object, the
// commands on objects, and the handles on the page (select, drag the anchor,
// the card point or the card). The logic lives in ObjectEditor; this window
// shows its fields, passes changes on and redraws what changed.
class ObjectEditorWindow : public QWidget, public PagePointerHandler
{
    Q_OBJECT

  public:
    ObjectEditorWindow(Document& document, LearningView& view, Prompter& prompter,
                       QWidget* mainWindow);
    ~ObjectEditorWindow() override;

    ObjectEditor& editor() { return m_editor; }
    bool isOpen() const { return m_editor.isOpen(); }

    // Open: pointer tool, every object uncovered, every layer shown, the
    // window at the top right inside the main window, nothing selected.
    void open();
    // Close: deselect, number again and show the page as the learning view.
    void closeEditor();

    // Select(index); -1 deselects.
    void selectObject(int index);
    // Moves the selected object's card by (dx, dy) in units of 1/10000 of
    // the page (the arrow keys and "Ver&schieben").
    void moveSelected(int dx, int dy);
    // Keys pressed in the main window while the editor is open: Esc closes
    // it, the arrow keys move the selected object by 1/100 of the page (with
    // Shift by 1/1000). True when the key was used.
    bool answerKey(QKeyEvent* event);

    // The commands.
    void newObject(int kind);
    void duplicate();
    void copy();
    void paste();
    void deleteSelected();
    void bringToFront();
    void sendToBack();
    void alignToGrid();
    void testPoint();
    void preview();
    void selectWholeText();
    // "&Transformieren..." and "Alle &löschen" of the main menu; they work
    // with the editor open or closed.
    void transformAll();
    void deleteAll();

    // What the main window lends: saving, the document font dialog and the
    // picture gallery (its button is shown only when there is one).
    void setSaveHandler(std::function<void()> save) { m_save = std::move(save); }
    void setFontHandler(std::function<void()> font) { m_font = std::move(font); }
    void setGalleryHandler(std::function<void()> gallery);

    // The shortcuts of the editor's commands, which the main window leaves
    // to the editor while it is the active window.
    QList<QKeySequence> shortcuts() const;
    // Opens the menu of the editor's menu bar that answers this Alt letter;
    // false when none does.
    bool openMenuByMnemonic(const QKeySequence& key);
    QMenuBar* menuBar() const { return m_menuBar; }

    // --- for tests ---------------------------------------------------------------
    const Handle& hoveredHandle() const { return m_hover; }
    QWidget* fieldsPanel() const { return m_formatGroup; }

    bool pagePressed(const PagePointer& pointer) override;
    bool pageMoved(const PagePointer& pointer) override;
    bool pageReleased(const PagePointer& pointer) override;

  Q_SIGNALS:
    void opened();
    void closed();
    // The window became the active window or stopped being it.
    void activeChanged(bool active);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Overlay;

    void buildActions();
    void buildWindow();
    QWidget* buildListColumn();
    QWidget* buildFieldsColumn();
    QWidget* buildFormatColumn();

    // Fills every widget from the editor's fields.
    void showFields();
    // The widgets as fields; the text is read from the panel of the kind
    // shown so far.
    EditorFields gatherFields() const;
    void fieldsEdited();
    void changeFields(const EditorFields& fields);
    void showPanels();
    void showPicture();
    void refreshList();
    // Marks the selected object's row in the list, or none.
    void showSelectionInList();
    void refreshListRow(int index);
    void refreshCommands();
    void afterSelection(int before);
    void afterStructureChange();
    void focusText();
    void updateOverlay();

    void chooseColour(ColorRef EditorFields::*field, const QString& title);
    void pictureFromClipboard();
    void pictureFromFile();
    void takePicture(Picture picture);
    void pictureToClipboard();
    void textFromClipboard();
    void textFromFile();
    void textToClipboard();
    void wrapInTag(int styleBit);
    void browseFile();
    void makePathRelative();
    // Where the file dialogs start: the folder of the document's file.
    QString documentFolder() const;
    void setSide(int side);
    void showPageMenu(QPoint position);
    void placeAtTopRight();

    Document& m_document;
    LearningView& m_view;
    Prompter& m_prompter;
    QWidget* m_mainWindow;
    QPointer<LearningView> m_viewAlive;
    ObjectEditor m_editor;
    std::function<void()> m_save;
    std::function<void()> m_font;
    std::function<void()> m_gallery;

    bool m_filling = false;
    Handle m_hover;
    Overlay* m_overlay = nullptr;

    // Commands
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_newMenu = nullptr;
    QMenu* m_pageMenu = nullptr;
    QAction* m_testAction = nullptr;
    QAction* m_duplicateAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_frontAction = nullptr;
    QAction* m_backAction = nullptr;
    QAction* m_gridAction = nullptr;
    QList<QAction*> m_commandActions;

    // Object list and commands
    QListWidget* m_list = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_duplicateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_pasteButton = nullptr;
    QPushButton* m_frontButton = nullptr;
    QPushButton* m_backButton = nullptr;
    QCheckBox* m_autoPreview = nullptr;
    QPushButton* m_expandButton = nullptr;
    QLabel* m_hint = nullptr;

    // Kind, position, layer, side
    QButtonGroup* m_kinds = nullptr;
    std::array<QToolButton*, 8> m_kindButtons{};
    QCheckBox* m_withLine = nullptr;
    QSpinBox* m_anchorX = nullptr;
    QSpinBox* m_anchorY = nullptr;
    QLabel* m_positionCaption = nullptr;
    QSpinBox* m_cardX = nullptr;
    QSpinBox* m_cardY = nullptr;
    QComboBox* m_layer = nullptr;
    QComboBox* m_side = nullptr;

    // Panels
    QGroupBox* m_textGroup = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QWidget* m_tagButtons = nullptr;
    QGroupBox* m_pathGroup = nullptr;
    QLineEdit* m_path = nullptr;
    QGroupBox* m_pictureGroup = nullptr;
    QLabel* m_picture = nullptr;
    QPushButton* m_galleryButton = nullptr;
    QWidget* m_pictureIdRow = nullptr;
    QLineEdit* m_pictureId = nullptr;
    QCheckBox* m_fitPictureCard = nullptr;
    QWidget* m_pointRows = nullptr;
    QLineEdit* m_pointTitle = nullptr;
    QLineEdit* m_pointTitle2 = nullptr;
    QWidget* m_passwordRow = nullptr;
    QLineEdit* m_password = nullptr;
    QWidget* m_testRow = nullptr;
    QCheckBox* m_inExercise = nullptr;

    // Format
    QWidget* m_formatGroup = nullptr;
    QWidget* m_sizeRow = nullptr;
    QComboBox* m_size = nullptr;
    QWidget* m_alignRow = nullptr;
    QComboBox* m_align = nullptr;
    QWidget* m_styleRow = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
    QWidget* m_textColourRow = nullptr;
    QPushButton* m_textColour = nullptr;
    QLabel* m_backgroundCaption = nullptr;
    QPushButton* m_background = nullptr;
    QLabel* m_opacityCaption = nullptr;
    QComboBox* m_opacity = nullptr;
    QPushButton* m_lineColour = nullptr;
    QComboBox* m_thickness = nullptr;
};

} // namespace velunto
