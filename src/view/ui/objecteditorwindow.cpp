#include "view/ui/objecteditorwindow.h"

#include "common/cp1252.h"
#include "common/filemessages.h"
#include "document/document.h"
#include "document/markup.h"
#include "document/objectkinds.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/picturesource.h"
#include "view/ui/transformdialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringDecoder>
#include <QToolButton>
#include <QVBoxLayout>

namespace velunto {

namespace {

const QString kTitle = QStringLiteral("Beschriftungs- und Bildobjekte bearbeiten");
const QString kNoSelectionHint =
    QStringLiteral("Wählen Sie \"Neu\", um ein neues Objekt zu erstellen|oder markieren Sie ein "
                   "bestehendes Objekt, um es zu bearbeiten.");
constexpr ColorRef kHandleColour = 0x0080FF; // orange, as the marks of the selected anchor
constexpr QSize kPicturePreview(160, 90);

// The kinds of the list that "&Neu..." opens, in its order.
const std::pair<int, const char*> kNewKinds[] = {
    {ObjectKind::QueryLabel, "&Abfrage-Beschriftung"},
    {ObjectKind::QueryImage, "Ab&frage-Bild"},
    {ObjectKind::FixedLabel, "&Statische Beschriftung"},
    {ObjectKind::FixedImage, "Statisches &Bild"},
    {ObjectKind::ImageLink, "Bild-Lin&k"},
    {ObjectKind::InfoPoint, "&Infopunkt"},
    {ObjectKind::ExternalLink, "&Link extern"},
    {ObjectKind::DocumentLink, "Link zu &Velunto-Dok. (VLT)"},
};

const char* const kKindButtonCaptions[] = {
    "Abfrage- Beschrift.",
    "  Abfrage-  Bild",
    "Statische Beschrift.",
    "Statisches Bild",
    "Info- punkt",
    "Link ext.",
    "VLT Dok.",
    "Bild- Link",
};

// Texts are stored with CR LF line breaks; the text field breaks at LF.
QString toFieldText(const QString& stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString toStoredText(const QString& field)
{
    QString text = field;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

QString firstLine(const QString& text)
{
    const qsizetype end = text.indexOf(u'\r');
    return removeTags(end < 0 ? text : text.left(end)).simplified();
}

QString listEntry(int index, const ObjDataTyp& o)
{
    QString name = objectKindName(o.Typ);
    if (name.isEmpty())
        name = QStringLiteral("Objekt ") + QString::number(o.Typ);
    QString detail;
    if (isPointKind(o.Typ))
        detail = o.PktCap;
    if (!isPictureKind(o.Typ) || o.Typ == ObjectKind::ImageLink) {
        const QString text = firstLine(o.Text);
        detail = detail.isEmpty() ? text : detail + QStringLiteral(": ") + text;
    } else if (!o.BildKenn.isEmpty()) {
        detail = o.BildKenn;
    }
    return QString::number(index) + QStringLiteral("  ") + name +
           (detail.isEmpty() ? QString() : QStringLiteral("  ") + detail);
}

void showColour(QPushButton* button, ColorRef colour)
{
    QPixmap swatch(28, 14);
    swatch.fill(toQColor(colour));
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

QWidget* row(std::initializer_list<QWidget*> widgets)
{
    auto* w = new QWidget;
    auto* layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* item : widgets)
        layout->addWidget(item);
    layout->addStretch();
    return w;
}

QSpinBox* positionBox()
{
    auto* box = new QSpinBox;
    box->setRange(0, kPositionUnits);
    box->setMinimumWidth(80);
    return box;
}

QComboBox* listBox(const QStringList& items)
{
    auto* box = new QComboBox;
    box->addItems(items);
    return box;
}

} // namespace

// The selection frame and the handle under the mouse, drawn over the page.
class ObjectEditorWindow::Overlay : public QWidget
{
  public:
    Overlay(ObjectEditorWindow& window, QWidget* page) : QWidget(page), m_window(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(page->rect());
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect frame = m_window.m_editor.selectionFrame();
        if (!frame.isEmpty()) {
            p.setPen(QPen(toQColor(kHandleColour), 1, Qt::DashLine));
            p.drawRect(frame.adjusted(0, 0, -1, -1));
        }
        const Handle& h = m_window.m_hover;
        if (h.kind != HandleKind::None && !h.rect.isEmpty()) {
            p.setPen(QPen(Qt::black, 1, h.kind == HandleKind::Card ? Qt::DotLine : Qt::SolidLine));
            p.drawRect(h.rect.adjusted(0, 0, -1, -1));
        }
    }

  private:
    ObjectEditorWindow& m_window;
};

ObjectEditorWindow::ObjectEditorWindow(Document& document, LearningView& view, Prompter& prompter,
                                       QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), m_document(document), m_view(view), m_prompter(prompter),
      m_mainWindow(mainWindow), m_viewAlive(&view),
      m_editor(document, view.session(), view.state(), view.composer().cards())
{
    setWindowTitle(kTitle);
    setObjectName(QStringLiteral("objekteditor"));
    buildActions();
    buildWindow();
    m_overlay = new Overlay(*this, &m_view);
    m_overlay->hide();
    m_view.installEventFilter(this);
    // A change made elsewhere (a transformation of the page, a content
    // editor, another document) shows in the fields and the list at once.
    m_editor.setFollowed([this] {
        m_hover = {};
        refreshList();
        showFields();
        refreshCommands();
        updateOverlay();
    });
    showFields();
    refreshCommands();
}

ObjectEditorWindow::~ObjectEditorWindow()
{
    // The main window may take the page down first.
    if (m_viewAlive) {
        m_view.removePointerHandler(this);
        m_view.removeEventFilter(this);
    }
}

// --- building -------------------------------------------------------------------------

void ObjectEditorWindow::buildActions()
{
    const auto command = [this](const char* caption, QKeySequence key, auto run) {
        auto* a = new QAction(QString::fromUtf8(caption), this);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, run);
        addAction(a);
        m_commandActions << a;
        return a;
    };
    m_newMenu = new QMenu(QStringLiteral("&Neu..."), this);
    for (const auto& [kind, caption] : kNewKinds) {
        m_newMenu->addAction(QString::fromUtf8(caption), this,
                             [this, kind = kind] { newObject(kind); });
    }
    command("&Neu...", QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        m_newMenu->popup(m_newButton->mapToGlobal(QPoint(0, m_newButton->height())));
    });
    m_testAction = command("Infopunkt / Verknüpfung &testen...", QKeySequence(Qt::CTRL | Qt::Key_T),
                           [this] { testPoint(); });
    QAction* markText = command("Text &markieren", QKeySequence(Qt::CTRL | Qt::Key_A),
                                [this] { selectWholeText(); });
    QAction* previewAction = command("&Vorschau", QKeySequence(Qt::Key_F5), [this] { preview(); });
    m_duplicateAction =
        command("&Duplizieren", QKeySequence(Qt::CTRL | Qt::Key_D), [this] { duplicate(); });
    m_copyAction = command("&Kopieren", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copy(); });
    m_pasteAction = command("&Einfügen", QKeySequence(Qt::CTRL | Qt::Key_V), [this] { paste(); });
    m_deleteAction =
        command("&Löschen", QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteSelected(); });
    m_gridAction = command("Am &Raster ausrichten", QKeySequence(Qt::CTRL | Qt::Key_R),
                           [this] { alignToGrid(); });
    m_frontAction = command("&In den Vordergrund setzen", {}, [this] { bringToFront(); });
    m_backAction = command("In den &Hintergrund setzen", {}, [this] { sendToBack(); });
    QAction* save = command("&Speichern", {}, [this] {
        if (m_save)
            m_save();
    });
    QAction* close = command("Schließen", {}, [this] { closeEditor(); });
    QAction* grid =
        command("Raster an&zeigen", {}, [this](bool on) { m_view.session().setGridShown(on); });
    grid->setCheckable(true);

    auto* moveMenu = new QMenu(QStringLiteral("Ver&schieben"), this);
    const std::tuple<const char*, int, int> moves[] = {{"nach &links", -100, 0},
                                                       {"nach &rechts", 100, 0},
                                                       {"&nach oben", 0, -100},
                                                       {"nach &unten", 0, 100}};
    for (const auto& [caption, dx, dy] : moves)
        moveMenu->addAction(QString::fromUtf8(caption), this,
                            [this, dx = dx, dy = dy] { moveSelected(dx, dy); });

    auto* sideMenu = new QMenu(QStringLiteral("Position zum &Ankerpunkt"), this);
    const std::tuple<const char*, int, QKeySequence> sides[] = {
        {"&automatisch", Side::Automatic, {}},
        {"&rechts", Side::Right, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {"&oben", Side::Top, QKeySequence(Qt::ALT | Qt::Key_Up)},
        {"&links", Side::Left, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {"&unten", Side::Bottom, QKeySequence(Qt::ALT | Qt::Key_Down)},
        {"&mittig", Side::Centre, QKeySequence(Qt::ALT | Qt::Key_0)},
    };
    for (const auto& [caption, side, key] : sides) {
        QAction* a = sideMenu->addAction(QString::fromUtf8(caption), this,
                                         [this, side = side] { setSide(side); });
        a->setShortcut(key);
        addAction(a);
        m_commandActions << a;
    }

    m_menuBar = new QMenuBar(this);
    QMenuBar* menuBar = m_menuBar;
    QMenu* objectMenu = menuBar->addMenu(QStringLiteral("&Objekt"));
    objectMenu->addMenu(m_newMenu);
    objectMenu->addActions({m_duplicateAction, m_copyAction, m_pasteAction, m_deleteAction});
    objectMenu->addSeparator();
    objectMenu->addActions({m_testAction, markText, previewAction});
    objectMenu->addSeparator();
    objectMenu->addActions({save, close});
    QMenu* positionMenu = menuBar->addMenu(QStringLiteral("&Position"));
    positionMenu->addAction(m_gridAction);
    positionMenu->addMenu(moveMenu);
    positionMenu->addMenu(sideMenu);
    positionMenu->addSeparator();
    positionMenu->addActions({m_frontAction, m_backAction});
    positionMenu->addSeparator();
    positionMenu->addAction(grid);

    // The page's context menu while the editor is open.
    m_pageMenu = new QMenu(this);
    m_pageMenu->addMenu(m_newMenu);
    m_pageMenu->addActions({m_duplicateAction, m_copyAction, m_pasteAction, m_deleteAction});
    m_pageMenu->addSeparator();
    m_pageMenu->addActions({m_testAction, markText, previewAction, m_gridAction});
    m_pageMenu->addMenu(moveMenu);
    m_pageMenu->addMenu(sideMenu);
    m_pageMenu->addActions({m_frontAction, m_backAction});
    m_pageMenu->addSeparator();
    m_pageMenu->addActions({save, close});

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
}

void ObjectEditorWindow::buildWindow()
{
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildListColumn());
    columns->addWidget(buildFieldsColumn(), 1);
    m_formatGroup = buildFormatColumn();
    columns->addWidget(m_formatGroup);
    static_cast<QVBoxLayout*>(layout())->addLayout(columns);
}

QWidget* ObjectEditorWindow::buildListColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QListWidget;
    m_list->setMinimumWidth(170);
    // A chosen row selects its object. The list follows its selection, not its
    // current row: a list that takes the focus makes its first row current
    // without choosing it, and the editor opens with nothing selected.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = m_list->selectedItems();
        const int row = chosen.isEmpty() ? -1 : m_list->row(chosen.front());
        if (!m_filling && row != m_editor.selected() && m_document.isValidIndex(row) &&
            isEditorClickableKind(m_document.objects[std::size_t(row)].Typ))
            selectObject(row);
    });
    layout->addWidget(m_list, 1);

    const auto button = [this](const char* caption, auto run) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };
    m_newButton = new QPushButton(QStringLiteral("&Neu..."));
    m_newButton->setMenu(m_newMenu);
    m_duplicateButton = button("&Duplizieren", [this] { duplicate(); });
    m_deleteButton = button("&Löschen", [this] { deleteSelected(); });
    m_copyButton = button("&Kopieren", [this] { copy(); });
    m_pasteButton = button("&Einfügen", [this] { paste(); });
    m_frontButton = button("In Vordergrund", [this] { bringToFront(); });
    m_backButton = button("In Hintergrund", [this] { sendToBack(); });
    auto* grid = new QGridLayout;
    grid->addWidget(m_newButton, 0, 0);
    grid->addWidget(m_duplicateButton, 0, 1);
    grid->addWidget(m_copyButton, 1, 0);
    grid->addWidget(m_pasteButton, 1, 1);
    grid->addWidget(m_deleteButton, 2, 0);
    grid->addWidget(m_frontButton, 3, 0);
    grid->addWidget(m_backButton, 3, 1);
    layout->addLayout(grid);

    m_autoPreview = new QCheckBox(QStringLiteral("&Auto-Vorschau"));
    m_autoPreview->setChecked(true);
    connect(m_autoPreview, &QCheckBox::toggled, this, [this](bool on) {
        m_editor.autoPreview = on;
        if (on)
            preview();
    });
    m_expandButton = new QPushButton(QStringLiteral("<"));
    m_expandButton->setFixedWidth(32);
    connect(m_expandButton, &QPushButton::clicked, this, [this] {
        const bool expand = m_formatGroup->isHidden();
        m_formatGroup->setVisible(expand);
        m_expandButton->setText(expand ? QStringLiteral("<") : QStringLiteral(">"));
        adjustSize();
    });
    layout->addWidget(row({m_autoPreview, m_expandButton}));
    return column;
}

QWidget* ObjectEditorWindow::buildFieldsColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    m_hint = new QLabel(QString(kNoSelectionHint).replace(u'|', u'\n'));
    m_hint->setWordWrap(true);
    layout->addWidget(m_hint);

    m_kinds = new QButtonGroup(this);
    auto* kindGrid = new QGridLayout;
    for (int i = 0; i < int(m_kindButtons.size()); ++i) {
        auto* b = new QToolButton;
        b->setText(QString::fromUtf8(kKindButtonCaptions[i]));
        b->setCheckable(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_kinds->addButton(b, i);
        kindGrid->addWidget(b, i / 2, i % 2);
        m_kindButtons[std::size_t(i)] = b;
    }
    connect(m_kinds, &QButtonGroup::idClicked, this, [this] { fieldsEdited(); });
    layout->addLayout(kindGrid);

    m_withLine = new QCheckBox(QStringLiteral("mit Linie ab Pos.:"));
    m_anchorX = positionBox();
    m_anchorY = positionBox();
    m_positionCaption = new QLabel(QStringLiteral("Textposition:"));
    m_cardX = positionBox();
    m_cardY = positionBox();
    m_layer = listBox({QStringLiteral("Basisbild"), QStringLiteral("Layout"),
                       QStringLiteral("Texte und Bilder"), QStringLiteral("Infopunkte")});
    m_side =
        listBox({QStringLiteral("automatisch"), QStringLiteral("rechts"), QStringLiteral("oben"),
                 QStringLiteral("links"), QStringLiteral("unten"), QStringLiteral("mittig")});
    auto* positions = new QGridLayout;
    positions->addWidget(m_withLine, 0, 0);
    positions->addWidget(m_anchorX, 0, 1);
    positions->addWidget(m_anchorY, 0, 2);
    positions->addWidget(m_positionCaption, 1, 0);
    positions->addWidget(m_cardX, 1, 1);
    positions->addWidget(m_cardY, 1, 2);
    positions->addWidget(new QLabel(QStringLiteral("Position zum Ankerpunkt:")), 2, 0);
    positions->addWidget(m_side, 2, 1, 1, 2);
    positions->addWidget(new QLabel(QStringLiteral("Ebene:")), 3, 0);
    positions->addWidget(m_layer, 3, 1, 1, 2);
    positions->setColumnStretch(3, 1);
    layout->addLayout(positions);
    m_anchorX->setObjectName(QStringLiteral("ankerX"));
    m_anchorY->setObjectName(QStringLiteral("ankerY"));
    m_cardX->setObjectName(QStringLiteral("positionX"));
    m_cardY->setObjectName(QStringLiteral("positionY"));
    connect(m_withLine, &QCheckBox::toggled, this, [this] { fieldsEdited(); });
    for (QSpinBox* box : {m_anchorX, m_anchorY, m_cardX, m_cardY})
        connect(box, &QSpinBox::valueChanged, this, [this] { fieldsEdited(); });
    for (QComboBox* box : {m_layer, m_side})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { fieldsEdited(); });

    const auto button = [this](const char* caption, auto run) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };

    // Text panel
    m_textGroup = new QGroupBox(QStringLiteral("Text"));
    auto* textLayout = new QVBoxLayout(m_textGroup);
    m_text = new QPlainTextEdit;
    m_text->setTabChangesFocus(true);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { fieldsEdited(); });
    textLayout->addWidget(m_text);
    textLayout->addWidget(row({button("aus Zwisch.abl.", [this] { textFromClipboard(); }),
                               button("aus Datei...", [this] { textFromFile(); }),
                               button("In Zw.abl. kopieren", [this] { textToClipboard(); })}));
    m_tagButtons =
        row({button("Fett <b>...</b>", [this] { wrapInTag(StyleBit::Bold); }),
             button("Kursiv <i>...</i>", [this] { wrapInTag(StyleBit::Italic); }),
             button("Unterstr. <u>...</u>", [this] { wrapInTag(StyleBit::Underline); })});
    textLayout->addWidget(m_tagButtons);
    layout->addWidget(m_textGroup, 1);

    // File panel and the path of the picture-link panel
    m_pathGroup = new QGroupBox(QStringLiteral("Datei"));
    auto* pathLayout = new QVBoxLayout(m_pathGroup);
    m_path = new QLineEdit;
    connect(m_path, &QLineEdit::textChanged, this, [this] { fieldsEdited(); });
    pathLayout->addWidget(m_path);
    pathLayout->addWidget(
        row({button("Durchsuchen...", [this] { browseFile(); }),
             button("In relativen Pfad umwandeln", [this] { makePathRelative(); })}));
    layout->addWidget(m_pathGroup);

    // Picture panel and the picture of the picture-link panel
    m_pictureGroup = new QGroupBox(QStringLiteral("Bild"));
    auto* pictureLayout = new QVBoxLayout(m_pictureGroup);
    m_picture = new QLabel;
    m_picture->setMinimumSize(kPicturePreview);
    m_picture->setAlignment(Qt::AlignCenter);
    pictureLayout->addWidget(m_picture);
    m_galleryButton = button("Bildergalerie...", [this] {
        if (m_gallery)
            m_gallery();
    });
    m_galleryButton->hide();
    pictureLayout->addWidget(
        row({button("aus Zwisch.abl.", [this] { pictureFromClipboard(); }),
             button("aus Datei...", [this] { pictureFromFile(); }),
             button("In Zw.abl. kopieren", [this] { pictureToClipboard(); }), m_galleryButton}));
    m_pictureId = new QLineEdit;
    connect(m_pictureId, &QLineEdit::textChanged, this, [this] { fieldsEdited(); });
    m_pictureIdRow = row({new QLabel(QStringLiteral("Bildkennung")), m_pictureId});
    pictureLayout->addWidget(m_pictureIdRow);
    m_fitPictureCard = new QCheckBox(QStringLiteral("Bildkärtchen anpassen (Übung)"));
    connect(m_fitPictureCard, &QCheckBox::toggled, this, [this] { fieldsEdited(); });
    pictureLayout->addWidget(m_fitPictureCard);
    layout->addWidget(m_pictureGroup);

    // Points and links
    m_pointTitle = new QLineEdit;
    m_pointTitle2 = new QLineEdit;
    auto* points = new QGridLayout;
    points->setContentsMargins(0, 0, 0, 0);
    points->addWidget(new QLabel(QStringLiteral("Punkttitel:")), 0, 0);
    points->addWidget(m_pointTitle, 0, 1);
    points->addWidget(new QLabel(QStringLiteral("2. Zeile:")), 1, 0);
    points->addWidget(m_pointTitle2, 1, 1);
    m_pointRows = new QWidget;
    m_pointRows->setLayout(points);
    layout->addWidget(m_pointRows);
    m_password = new QLineEdit;
    m_passwordRow = row({new QLabel(QStringLiteral("Passwort:")), m_password});
    layout->addWidget(m_passwordRow);
    m_inExercise = new QCheckBox(QStringLiteral("Auch in der Übung verfügbar"));
    m_testRow = row({button("&Testen", [this] { testPoint(); }), m_inExercise});
    layout->addWidget(m_testRow);
    m_text->setObjectName(QStringLiteral("text"));
    m_path->setObjectName(QStringLiteral("datei"));
    m_pictureId->setObjectName(QStringLiteral("bildkennung"));
    m_pointTitle->setObjectName(QStringLiteral("punkttitel"));
    m_pointTitle2->setObjectName(QStringLiteral("zeile2"));
    m_password->setObjectName(QStringLiteral("passwort"));
    for (QLineEdit* edit : {m_pointTitle, m_pointTitle2, m_password})
        connect(edit, &QLineEdit::textChanged, this, [this] { fieldsEdited(); });
    connect(m_inExercise, &QCheckBox::toggled, this, [this] { fieldsEdited(); });
    // Takes the room that the text field leaves when it is hidden.
    layout->addStretch(0);
    return column;
}

QWidget* ObjectEditorWindow::buildFormatColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    QStringList sizes;
    for (int step = kSmallestSizeStep; step <= kLargestSizeStep; ++step)
        sizes << (step == 0  ? QStringLiteral("0 (standard)")
                  : step > 0 ? QStringLiteral("+") + QString::number(step)
                             : QString::number(step));
    m_size = listBox(sizes);
    m_size->setObjectName(QStringLiteral("textgroesse"));
    m_sizeRow = row({new QLabel(QStringLiteral("Textgröße:")), m_size});
    m_align = listBox({QStringLiteral("Linksbündig"), QStringLiteral("Zentriert"),
                       QStringLiteral("Rechtsbündig")});
    m_alignRow = row({new QLabel(QStringLiteral("Textsatz:")), m_align});
    m_bold = new QCheckBox(QStringLiteral("Fett"));
    m_italic = new QCheckBox(QStringLiteral("Kursiv"));
    m_underline = new QCheckBox(QStringLiteral("Unterstrichen"));
    m_styleRow = row({new QLabel(QStringLiteral("Schriftstil:")), m_bold, m_italic, m_underline});

    const auto colourButton = [this](ColorRef EditorFields::*field, const QString& title) {
        auto* b = new QPushButton;
        connect(b, &QPushButton::clicked, this,
                [this, field, title] { chooseColour(field, title); });
        return b;
    };
    m_textColour = colourButton(&EditorFields::textColour, QStringLiteral("Schriftfarbe"));
    m_textColourRow = row({new QLabel(QStringLiteral("Schriftfarbe:")), m_textColour});
    m_background = colourButton(&EditorFields::background, QStringLiteral("Hintergrund"));
    m_backgroundCaption = new QLabel(QStringLiteral("Hintergrund:"));
    m_opacityCaption = new QLabel(QStringLiteral("Deckkraft des Bildes:"));
    QStringList opacities{QStringLiteral("transparent")};
    for (int k = 1; k <= 9; ++k)
        opacities << QString::number(k * 10) + QStringLiteral("%");
    opacities << QStringLiteral("deckend");
    m_opacity = listBox(opacities);
    m_lineColour = colourButton(&EditorFields::lineColour, QStringLiteral("Linienfarbe"));
    m_thickness = listBox({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")});
    auto* font = new QPushButton(QStringLiteral("Schriftart..."));
    connect(font, &QPushButton::clicked, this, [this] {
        if (m_font)
            m_font();
    });

    layout->addWidget(m_sizeRow);
    layout->addWidget(m_alignRow);
    layout->addWidget(m_styleRow);
    layout->addWidget(m_textColourRow);
    layout->addWidget(row({m_backgroundCaption, m_background, m_opacityCaption, m_opacity}));
    layout->addWidget(row({new QLabel(QStringLiteral("Linienfarbe:")), m_lineColour,
                           new QLabel(QStringLiteral("Dicke:")), m_thickness}));
    layout->addWidget(font);
    layout->addStretch();

    for (QComboBox* box : {m_size, m_align, m_opacity, m_thickness})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { fieldsEdited(); });
    for (QCheckBox* box : {m_bold, m_italic, m_underline})
        connect(box, &QCheckBox::toggled, this, [this] { fieldsEdited(); });
    return column;
}

void ObjectEditorWindow::setGalleryHandler(std::function<void()> gallery)
{
    m_gallery = std::move(gallery);
    m_galleryButton->setVisible(bool(m_gallery));
}

bool ObjectEditorWindow::openMenuByMnemonic(const QKeySequence& key)
{
    for (QAction* a : m_menuBar->actions()) {
        if (a->menu() != nullptr && QKeySequence::mnemonic(a->text()) == key) {
            m_menuBar->setActiveAction(a);
            return true;
        }
    }
    return false;
}

QList<QKeySequence> ObjectEditorWindow::shortcuts() const
{
    QList<QKeySequence> keys;
    for (const QAction* a : m_commandActions)
        if (!a->shortcut().isEmpty())
            keys << a->shortcut();
    return keys;
}

// --- fields -----------------------------------------------------------------------------

void ObjectEditorWindow::showFields()
{
    m_filling = true;
    const EditorFields& f = m_editor.fields();
    m_anchorX->setValue(f.anchorX);
    m_anchorY->setValue(f.anchorY);
    m_cardX->setValue(f.cardX);
    m_cardY->setValue(f.cardY);
    m_withLine->setChecked(f.withLine);
    if (f.kindRow >= 0) {
        m_kindButtons[std::size_t(f.kindRow)]->setChecked(true);
    } else if (QAbstractButton* checked = m_kinds->checkedButton()) {
        m_kinds->setExclusive(false);
        checked->setChecked(false);
        m_kinds->setExclusive(true);
    }
    m_layer->setCurrentIndex(f.layerRow);
    m_side->setCurrentIndex(f.sideRow);
    m_size->setCurrentIndex(f.sizeRow);
    m_align->setCurrentIndex(f.alignRow);
    m_bold->setChecked(f.style & StyleBit::Bold);
    m_italic->setChecked(f.style & StyleBit::Italic);
    m_underline->setChecked(f.style & StyleBit::Underline);
    showColour(m_textColour, f.textColour);
    showColour(m_lineColour, f.lineColour);
    showColour(m_background, f.background);
    m_opacity->setCurrentIndex(f.opacityRow);
    m_thickness->setCurrentIndex(f.thicknessRow);
    if (toStoredText(m_text->toPlainText()) != f.text)
        m_text->setPlainText(toFieldText(f.text));
    if (m_path->text() != f.text)
        m_path->setText(f.text);
    m_pointTitle->setText(f.pointTitle);
    m_pointTitle2->setText(f.pointTitle2);
    m_password->setText(f.bildKenn);
    m_pictureId->setText(f.bildKenn);
    m_fitPictureCard->setChecked(f.fitPictureCard);
    m_inExercise->setChecked(f.inExercise);
    showPicture();
    showPanels();
    m_filling = false;
}

EditorFields ObjectEditorWindow::gatherFields() const
{
    EditorFields f = m_editor.fields();
    const KindPanels shown = m_editor.panels();
    f.anchorX = m_anchorX->value();
    f.anchorY = m_anchorY->value();
    f.cardX = m_cardX->value();
    f.cardY = m_cardY->value();
    f.withLine = m_withLine->isChecked();
    f.kindRow = m_kinds->checkedId();
    f.layerRow = m_layer->currentIndex();
    f.sideRow = m_side->currentIndex();
    f.sizeRow = m_size->currentIndex();
    f.alignRow = m_align->currentIndex();
    f.style = (m_bold->isChecked() ? StyleBit::Bold : 0) |
              (m_italic->isChecked() ? StyleBit::Italic : 0) |
              (m_underline->isChecked() ? StyleBit::Underline : 0);
    f.opacityRow = m_opacity->currentIndex();
    f.thicknessRow = m_thickness->currentIndex();
    if (shown.textPanel)
        f.text = toStoredText(m_text->toPlainText());
    else if (shown.filePanel || shown.pictureLinkPanel)
        f.text = m_path->text();
    f.pointTitle = m_pointTitle->text();
    f.pointTitle2 = m_pointTitle2->text();
    if (shown.password)
        f.bildKenn = m_password->text();
    else if (shown.picturePanel)
        f.bildKenn = m_pictureId->text();
    f.fitPictureCard = m_fitPictureCard->isChecked();
    f.inExercise = m_inExercise->isChecked();
    return f;
}

void ObjectEditorWindow::fieldsEdited()
{
    if (m_filling)
        return;
    changeFields(gatherFields());
}

void ObjectEditorWindow::changeFields(const EditorFields& fields)
{
    const int kindBefore = m_editor.fields().kindRow;
    const bool changed = m_editor.changeFields(fields);
    // Another kind shows other panels, which show the same text.
    if (m_editor.fields().kindRow != kindBefore)
        showFields();
    else
        showPanels();
    if (!changed)
        return;
    refreshListRow(m_editor.selected());
    if (m_editor.autoPreview) {
        m_view.redrawObject(m_editor.selected());
        updateOverlay();
    }
}

void ObjectEditorWindow::showPanels()
{
    const KindPanels p = m_editor.panels();
    const bool selected = m_editor.hasSelection();
    m_textGroup->setVisible(p.textPanel);
    m_tagButtons->setVisible(p.tagButtons);
    m_pathGroup->setVisible(p.filePanel || p.pictureLinkPanel);
    m_pictureGroup->setVisible(p.picturePanel || p.pictureLinkPanel);
    m_pictureIdRow->setVisible(p.picturePanel);
    m_fitPictureCard->setVisible(p.fitPictureCard);
    m_pointRows->setVisible(p.pointTitles);
    m_passwordRow->setVisible(p.password);
    m_testRow->setVisible(p.testAndExercise);
    m_sizeRow->setVisible(p.textSize);
    m_alignRow->setVisible(p.alignmentAndStyle);
    m_styleRow->setVisible(p.alignmentAndStyle);
    m_textColourRow->setVisible(p.textAndBackgroundColour);
    m_backgroundCaption->setVisible(p.textAndBackgroundColour);
    m_background->setVisible(p.textAndBackgroundColour);
    m_opacityCaption->setVisible(p.pictureOpacityCaption);
    m_positionCaption->setText(p.positionCaption);

    m_hint->setVisible(!selected);
    for (QWidget* w : std::initializer_list<QWidget*>{m_anchorX, m_anchorY, m_cardX, m_cardY,
                                                      m_positionCaption, m_layer, m_side, m_text})
        w->setEnabled(selected);
    m_anchorX->setEnabled(selected && m_withLine->isChecked());
    m_anchorY->setEnabled(selected && m_withLine->isChecked());
    refreshCommands();
}

void ObjectEditorWindow::showPicture()
{
    const Picture& picture = m_editor.fields().picture;
    if (picture.isNull()) {
        m_picture->clear();
        return;
    }
    m_picture->setPixmap(QPixmap::fromImage(
        picture.scaled(kPicturePreview, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void ObjectEditorWindow::refreshCommands()
{
    const bool selected = m_editor.hasSelection();
    for (QWidget* w : std::initializer_list<QWidget*>{m_duplicateButton, m_deleteButton,
                                                      m_copyButton, m_frontButton, m_backButton})
        w->setEnabled(selected);
    for (QAction* a : {m_duplicateAction, m_copyAction, m_deleteAction, m_frontAction, m_backAction,
                       m_testAction})
        a->setEnabled(selected);
    m_pasteButton->setEnabled(m_editor.canPaste());
    m_pasteAction->setEnabled(m_editor.canPaste());
}

void ObjectEditorWindow::refreshList()
{
    m_filling = true;
    m_list->clear();
    for (int i = 0; i < m_document.objectCount(); ++i) {
        const ObjDataTyp& o = m_document.objects[std::size_t(i)];
        auto* item = new QListWidgetItem(listEntry(i, o), m_list);
        // The objects of the content types belong to their editors: they are
        // listed for their IDs, but only what the page lets the editor pick
        // can be selected here.
        if (!isEditorClickableKind(o.Typ))
            item->setFlags(Qt::NoItemFlags);
    }
    showSelectionInList();
    m_filling = false;
}

void ObjectEditorWindow::showSelectionInList()
{
    if (m_editor.hasSelection()) {
        m_list->setCurrentRow(m_editor.selected(), QItemSelectionModel::ClearAndSelect);
    } else {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
    }
}

void ObjectEditorWindow::refreshListRow(int index)
{
    if (QListWidgetItem* item = m_list->item(index); item && m_document.isValidIndex(index))
        item->setText(listEntry(index, m_document.objects[std::size_t(index)]));
}

// --- open, close, select ---------------------------------------------------------------

void ObjectEditorWindow::open()
{
    if (!isOpen()) {
        m_view.setTool(Tool::Pointer);
        for (int layer = 0; layer < 4; ++layer)
            m_view.setLayer(layer, true);
        m_editor.forgetSelection();
        m_editor.setOpen(true);
        m_view.addPointerHandler(this);
        m_view.setContextMenuPolicy(Qt::CustomContextMenu);
        connect(&m_view, &QWidget::customContextMenuRequested, this,
                &ObjectEditorWindow::showPageMenu, Qt::UniqueConnection);
        m_view.uncoverAll();
        refreshList();
        showFields();
        m_overlay->setGeometry(m_view.rect());
        m_overlay->show();
        m_overlay->raise();
        Q_EMIT opened();
    }
    show();
    placeAtTopRight();
    raise();
    activateWindow();
}

void ObjectEditorWindow::placeAtTopRight()
{
    if (!m_mainWindow)
        return;
    // The whole window, frame included (a window's position is its frame's),
    // 4 pixels in from the main window's right edge and 4 below its top.
    const QPoint topRight = m_mainWindow->mapToGlobal(QPoint(m_mainWindow->width(), 0));
    QWidget::move(topRight.x() - 4 - frameGeometry().width(), topRight.y() + 4);
}

void ObjectEditorWindow::closeEditor()
{
    if (isOpen()) {
        const int before = m_editor.selected();
        m_editor.setOpen(false);
        if (before >= 0)
            refreshListRow(before);
        disconnect(&m_view, &QWidget::customContextMenuRequested, this,
                   &ObjectEditorWindow::showPageMenu);
        m_view.setContextMenuPolicy(Qt::DefaultContextMenu);
        m_view.removePointerHandler(this);
        m_view.number(m_view.numberingMode(), false);
        m_hover = {};
        m_overlay->hide();
        m_view.unsetCursor();
        m_view.uncoverAll();
        showFields();
        Q_EMIT closed();
    }
    hide();
}

void ObjectEditorWindow::closeEvent(QCloseEvent* event)
{
    closeEditor();
    event->accept();
}

void ObjectEditorWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the editor as it closes every dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeEditor();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ObjectEditorWindow::answerKey(QKeyEvent* event)
{
    if (!isOpen())
        return false;
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        closeEditor();
        return true;
    }
    // Without a selection the arrow keys move the visible part instead.
    if (!m_editor.hasSelection() || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier))
        return false;
    const int step = modifiers == Qt::ShiftModifier ? 10 : 100;
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelected(-step, 0);
        return true;
    case Qt::Key_Right:
        moveSelected(step, 0);
        return true;
    case Qt::Key_Up:
        moveSelected(0, -step);
        return true;
    case Qt::Key_Down:
        moveSelected(0, step);
        return true;
    default:
        return false;
    }
}

bool ObjectEditorWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Q_EMIT activeChanged(true);
    else if (event->type() == QEvent::WindowDeactivate)
        Q_EMIT activeChanged(false);
    return QWidget::event(event);
}

bool ObjectEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::Resize)
        m_overlay->setGeometry(m_view.rect());
    return QWidget::eventFilter(watched, event);
}

void ObjectEditorWindow::selectObject(int index)
{
    const int before = m_editor.selected();
    m_editor.select(index);
    afterSelection(before);
}

void ObjectEditorWindow::afterSelection(int before)
{
    showFields();
    if (before >= 0)
        refreshListRow(before);
    m_filling = true;
    showSelectionInList();
    m_filling = false;
    // The old object lost its marks (and took the last fields), the new one
    // gets them.
    if (m_document.isValidIndex(before))
        m_view.redrawObject(before);
    if (m_editor.hasSelection() && m_editor.selected() != before)
        m_view.redrawObject(m_editor.selected());
    updateOverlay();
}

void ObjectEditorWindow::afterStructureChange()
{
    refreshList();
    showFields();
    m_view.refreshObjects();
    updateOverlay();
}

void ObjectEditorWindow::updateOverlay()
{
    if (m_overlay->isVisible())
        m_overlay->update();
}

void ObjectEditorWindow::focusText()
{
    const KindPanels p = m_editor.panels();
    if (p.textPanel) {
        m_text->setFocus();
        m_text->selectAll();
    } else if (p.filePanel || p.pictureLinkPanel) {
        m_path->setFocus();
        m_path->selectAll();
    }
}

// --- commands ---------------------------------------------------------------------------

void ObjectEditorWindow::newObject(int kind)
{
    m_editor.newObject(kind);
    afterStructureChange();
    focusText();
}

void ObjectEditorWindow::duplicate()
{
    if (const auto refused = m_editor.duplicate()) {
        m_prompter.information(*refused);
        return;
    }
    afterStructureChange();
    focusText();
}

void ObjectEditorWindow::copy()
{
    if (const auto refused = m_editor.copy()) {
        m_prompter.information(*refused);
        return;
    }
    refreshCommands();
}

void ObjectEditorWindow::paste()
{
    if (const auto refused = m_editor.paste()) {
        m_prompter.information(*refused);
        return;
    }
    afterStructureChange();
    focusText();
}

void ObjectEditorWindow::deleteSelected()
{
    const QString question = m_editor.deleteQuestion();
    if (question.isEmpty() || !m_prompter.confirm(question))
        return;
    m_editor.deleteSelected();
    m_hover = {};
    afterStructureChange();
}

void ObjectEditorWindow::bringToFront()
{
    if (m_editor.bringToFront())
        m_view.redrawObject(m_editor.selected());
}

void ObjectEditorWindow::sendToBack()
{
    if (m_editor.sendToBack())
        m_view.redrawObject(m_editor.selected());
}

void ObjectEditorWindow::moveSelected(int dx, int dy)
{
    if (!m_editor.move(dx, dy))
        return;
    showFields();
    if (m_editor.autoPreview) {
        m_view.redrawObject(m_editor.selected());
        updateOverlay();
    }
}

void ObjectEditorWindow::alignToGrid()
{
    if (m_editor.alignSelectionToGrid()) {
        showFields();
        if (m_editor.autoPreview) {
            m_view.redrawObject(m_editor.selected());
            updateOverlay();
        }
        return;
    }
    if (!m_prompter.confirm(
            QStringLiteral("Es ist kein Objekt markiert. Alle Objekte am Raster ausrichten?")))
        return;
    alignAllToGrid(m_document);
    m_view.refreshObjects();
    updateOverlay();
}

void ObjectEditorWindow::testPoint()
{
    if (!m_editor.hasSelection())
        return;
    m_editor.apply();
    m_view.openPoint(m_editor.selected());
}

void ObjectEditorWindow::preview()
{
    m_editor.preview();
    updateOverlay();
}

void ObjectEditorWindow::selectWholeText()
{
    if (!m_text->isVisibleTo(this) || !m_text->isEnabled())
        return;
    m_text->setFocus();
    m_text->selectAll();
}

void ObjectEditorWindow::setSide(int side)
{
    m_side->setCurrentIndex(side);
}

void ObjectEditorWindow::transformAll()
{
    const bool any = std::any_of(m_document.objects.begin(), m_document.objects.end(),
                                 [](const ObjDataTyp& o) { return isEditorKind(o.Typ); });
    if (!any) {
        m_prompter.information(
            QStringLiteral("Es sind keine zu transformierenden Objekte vorhanden."));
        return;
    }
    TransformDialog dialog(m_mainWindow);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    m_editor.transform(dialog.transformation());
    refreshList();
    showFields();
    m_view.redraw();
    updateOverlay();
}

void ObjectEditorWindow::deleteAll()
{
    if (!m_document.hasAuthoredObjects()) {
        m_prompter.information(QStringLiteral("Es sind keine zu löschenden Objekte vorhanden."));
        return;
    }
    if (!m_prompter.confirm(QStringLiteral(
            "Wirklich alle Beschriftungs- und Bildobjekte sowie Infopunkte löschen?\r\nGgf. "
            "vorhandene Inhalte eines anderen Dokumententyps (wie Lückentext, Einzelfragen, "
            "Multiple-Choice-Fragen, etc.) bleiben erhalten.")))
        return;
    // Every index changes: the selection goes without writing anything.
    m_editor.forgetSelection();
    m_hover = {};
    m_document.deleteAllAuthoredObjects();
    m_document.setModified();
    refreshList();
    showFields();
    m_view.number(m_view.numberingMode());
    updateOverlay();
}

// --- colours, pictures, texts, files ------------------------------------------------------

void ObjectEditorWindow::chooseColour(ColorRef EditorFields::*field, const QString& title)
{
    EditorFields f = gatherFields();
    const auto colour = m_prompter.chooseColour(title, f.*field);
    if (!colour)
        return;
    f.*field = *colour;
    changeFields(f);
    showFields();
}

void ObjectEditorWindow::pictureFromClipboard()
{
    if (auto picture = velunto::pictureFromClipboard(m_prompter))
        takePicture(std::move(*picture));
}

void ObjectEditorWindow::pictureFromFile()
{
    if (auto picture = velunto::pictureFromFile(m_prompter, QStringLiteral("Bild aus Datei laden"),
                                                documentFolder()))
        takePicture(std::move(*picture));
}

void ObjectEditorWindow::takePicture(Picture picture)
{
    EditorFields f = gatherFields();
    f.picture = std::move(picture);
    changeFields(f);
    showPicture();
}

void ObjectEditorWindow::pictureToClipboard()
{
    copyPictureToClipboard(m_editor.fields().picture, m_document, m_prompter);
}

void ObjectEditorWindow::textFromClipboard()
{
    if (!m_text->isEnabled())
        return;
    m_text->paste();
}

void ObjectEditorWindow::textFromFile()
{
    if (!m_text->isEnabled())
        return;
    Prompter::FileRequest request;
    request.title = QStringLiteral("Textdatei öffnen");
    request.directory = documentFolder();
    request.filters = {QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle Dateien (*.*)")};
    const auto file = m_prompter.openFile(request);
    if (!file)
        return;
    QFile in(*file);
    if (!in.open(QIODevice::ReadOnly)) {
        m_prompter.error(fileReadErrorMessage(*file));
        return;
    }
    const QByteArray bytes = in.readAll();
    // Text files written on this computer are UTF-8; older ones code page 1252.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromCp1252(bytes);
    m_text->setPlainText(toFieldText(text));
}

void ObjectEditorWindow::textToClipboard()
{
    QApplication::clipboard()->setText(m_text->toPlainText());
}

void ObjectEditorWindow::wrapInTag(int styleBit)
{
    if (!m_text->isEnabled())
        return;
    const QTextCursor cursor = m_text->textCursor();
    const int start = cursor.selectionStart();
    const EditedText wrapped = wrapSelectionInStyleTag(m_text->toPlainText(), start,
                                                       cursor.selectionEnd() - start, styleBit);
    // Replaced through a cursor, so that the author can undo the tags.
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    all.insertText(wrapped.text);
    QTextCursor selection = m_text->textCursor();
    selection.setPosition(wrapped.selectionStart);
    selection.setPosition(wrapped.selectionStart + wrapped.selectionLength,
                          QTextCursor::KeepAnchor);
    m_text->setTextCursor(selection);
    m_text->setFocus();
}

void ObjectEditorWindow::browseFile()
{
    const int kind = m_editor.hasSelection()
                         ? m_document.objects[std::size_t(m_editor.selected())].Typ
                         : ObjectKind::ExternalLink;
    Prompter::FileRequest request;
    const bool document = kind == ObjectKind::DocumentLink;
    request.title = document ? QStringLiteral("Zu verknüpfendes Velunto-Dokument auswählen")
                             : QStringLiteral("Zu verknüpfende Datei auswählen");
    request.filters = {QStringLiteral("Velunto-Dokument (*.vlt)"),
                       QStringLiteral("ZYN-Dokument (*.zyn)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    request.filterIndex = document ? 0 : 2;
    request.defaultSuffix = document ? QStringLiteral("vlt") : QString();
    // A relative path is relative to the document's folder.
    const QString path = m_path->text();
    request.directory = path.isEmpty() || isWebAddress(path) ? documentFolder()
                        : documentFolder().isEmpty()         ? path
                                                             : QDir(documentFolder()).filePath(path);
    if (const auto file = m_prompter.openFile(request))
        m_path->setText(*file);
}

void ObjectEditorWindow::makePathRelative()
{
    m_path->setText(pathRelativeToDocument(m_path->text(), m_document.header.FileName));
}

QString ObjectEditorWindow::documentFolder() const
{
    const QString& file = m_document.header.FileName;
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

// --- the page ------------------------------------------------------------------------------

void ObjectEditorWindow::showPageMenu(QPoint position)
{
    if (isOpen())
        m_pageMenu->popup(m_view.mapToGlobal(position));
}

bool ObjectEditorWindow::pagePressed(const PagePointer& pointer)
{
    if (!isOpen() || m_view.tool() != Tool::Pointer)
        return false;
    const Qt::MouseButton button = pointer.button;
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        const Handle h = m_editor.handleAt(pointer.page);
        if (h.kind != HandleKind::None) {
            const int before = m_editor.selected();
            if (button == Qt::LeftButton)
                m_editor.beginDrag(h, pointer.page);
            else
                m_editor.select(h.object);
            if (m_editor.selected() != before)
                afterSelection(before);
        }
    }
    // Presses never uncover or open anything while the editor is open.
    return true;
}

bool ObjectEditorWindow::pageMoved(const PagePointer& pointer)
{
    if (!isOpen() || m_view.tool() != Tool::Pointer)
        return false;
    const bool ctrl = pointer.modifiers & Qt::ControlModifier;
    if (m_editor.isDragging() && (pointer.buttons & Qt::LeftButton)) {
        const int index = m_editor.dragTo(pointer.page, ctrl);
        if (index >= 0) {
            showFields();
            m_hover = m_editor.handleAt(pointer.page);
            updateOverlay();
        }
        return true;
    }
    const Handle h = m_editor.handleAt(pointer.page);
    if (h.kind != m_hover.kind || h.object != m_hover.object || h.rect != m_hover.rect) {
        m_hover = h;
        updateOverlay();
    }
    if (h.kind != HandleKind::None)
        m_view.setCursor(Qt::PointingHandCursor);
    else
        m_view.unsetCursor();
    return true;
}

bool ObjectEditorWindow::pageReleased(const PagePointer& pointer)
{
    if (!isOpen() || m_view.tool() != Tool::Pointer)
        return false;
    if (pointer.button == Qt::LeftButton && m_editor.isDragging()) {
        const int index = m_editor.endDrag(pointer.modifiers & Qt::ControlModifier);
        if (index >= 0) {
            showFields();
            refreshListRow(index);
            m_hover = m_editor.handleAt(pointer.page);
            updateOverlay();
        }
    }
    return true;
}

} // namespace velunto
