#include "exercise/ui/foldersdialog.h"

#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velunto {

namespace {

struct FieldText
{
    const char* group;
    const char* chooserTitle;
    const char* invalid;
};

const FieldText kTexts[] = {
    {"Ordner für Bestenlisten", "Ordner für Bestenlisten festlegen",
     "Der angegebene Ordner für die Bestenlisten ist ungültig."},
    {"Ordner für Protokolle", "Ordner für Protokolle festlegen",
     "Der angegebene Ordner für die Protokolle ist ungültig."},
    {"Ordner für Chronik-Screenshots", "Ordner für Chronik-Screenshots festlegen",
     "Der angegebene Ordner für die Chronik-Screenshots ist ungültig."},
    {"Ordner für Tauschbörse", "Ordner für Tauschbörse festlegen",
     "Der angegebene Ordner für die Tauschbörse ist ungültig."},
    {"Ordner für Bildergalerie", "Ordner für Bildergalerie festlegen",
     "Der angegebene Ordner für die Bildergalerie ist ungültig."},
};

} // namespace

FoldersDialog::FoldersDialog(const FolderSettings& folders, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_folders(folders)
{
    setWindowTitle(QStringLiteral("Dateiordner"));
    const QString values[] = {folders.bestList, folders.protocol, folders.chronicle,
                              folders.exchange, folders.gallery};
    auto* layout = new QVBoxLayout(this);
    for (int f = 0; f < 5; ++f) {
        auto* box = new QGroupBox(QString::fromUtf8(kTexts[f].group));
        auto* row = new QHBoxLayout(box);
        m_fields[size_t(f)] = new QLineEdit(values[f]);
        auto* browseButton = new QPushButton(QStringLiteral("Durchsuchen..."));
        browseButton->setAutoDefault(false);
        connect(browseButton, &QPushButton::clicked, this, [this, f] { browse(Field(f)); });
        row->addWidget(m_fields[size_t(f)], 1);
        row->addWidget(browseButton);
        layout->addWidget(box);
    }
    layout->addWidget(okCancelButtons(this));
    resize(560, height());
}

void FoldersDialog::browse(Field f)
{
    QLineEdit* edit = m_fields[size_t(f)];
    if (const auto folder =
            m_prompter.chooseFolder(QString::fromUtf8(kTexts[f].chooserTitle), edit->text()))
        edit->setText(*folder);
}

std::variant<FolderSettings, FoldersDialog::Failure>
FoldersDialog::check(std::array<QString, 5>& entries)
{
    for (const Field f : {Chronicle, Protocols, BestLists, Exchange, Gallery}) {
        QString& entry = entries[size_t(f)];
        if (!entry.isEmpty() && !entry.endsWith(u'/'))
            entry += u'/';
        if (entry.isEmpty() || !QFileInfo(entry).isDir())
            return Failure{f, QString::fromUtf8(kTexts[f].invalid)};
    }
    FolderSettings folders;
    folders.bestList = entries[BestLists];
    folders.protocol = entries[Protocols];
    folders.chronicle = entries[Chronicle];
    folders.exchange = entries[Exchange];
    folders.gallery = entries[Gallery];
    return folders;
}

void FoldersDialog::accept()
{
    std::array<QString, 5> entries;
    for (int f = 0; f < 5; ++f)
        entries[size_t(f)] = m_fields[size_t(f)]->text().trimmed();
    const auto result = check(entries);
    for (int f = 0; f < 5; ++f)
        m_fields[size_t(f)]->setText(entries[size_t(f)]);
    if (const auto* failure = std::get_if<Failure>(&result)) {
        m_prompter.error(failure->message);
        m_fields[size_t(failure->field)]->setFocus();
        return;
    }
    m_folders = std::get<FolderSettings>(result);
    QDialog::accept();
}

} // namespace velunto
