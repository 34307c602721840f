#include "app/linkfieldsdialog.h"

#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velunto {

namespace {

QString rowName(int row)
{
    return row == kKeyboardRow ? QStringLiteral("für Bildschirmtastatur")
                               : QStringLiteral("V") + QString::number(row + 1);
}

} // namespace

int firstInvalidLinkPath(const std::array<QString, kLinkRows>& paths)
{
    for (int row = 0; row < kLinkRows; ++row) {
        const QString path = paths[row].trimmed();
        if (!path.isEmpty() && !QFileInfo(path).isFile())
            return row;
    }
    return -1;
}

QString invalidLinkText(int row)
{
    return QStringLiteral("Die für Verknüpfungsfeld ") + rowName(row) +
           QStringLiteral(" angegebene Datei ist ungültig.");
}

LinkFieldsDialog::LinkFieldsDialog(const std::array<LinkField, 3>& links, const LinkField& keyboard,
                                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Frei belegbare Verknüpfungsfelder für externe Programme"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Datei")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Beschriftung")), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Hinweis")), 0, 4);
    for (int r = 0; r < kLinkRows; ++r) {
        const LinkField field = r == kKeyboardRow ? keyboard : links[r];
        const int line = r + 1;
        grid->addWidget(
            new QLabel(r == kKeyboardRow ? QStringLiteral("Bildschirmtastatur") : rowName(r)), line,
            0);
        m_path[r] = new QLineEdit(field.path);
        m_path[r]->setMinimumWidth(280);
        grid->addWidget(m_path[r], line, 1);
        auto* browseButton = new QPushButton(QStringLiteral("Durchsuchen..."));
        connect(browseButton, &QPushButton::clicked, this, [this, r] { browse(r); });
        grid->addWidget(browseButton, line, 2);
        if (r != kKeyboardRow) {
            m_caption[r] = new QLineEdit(field.caption);
            grid->addWidget(m_caption[r], line, 3);
        }
        m_tooltip[r] = new QLineEdit(field.tooltip);
        grid->addWidget(m_tooltip[r], line, 4);
        auto* clearButton = new QPushButton(QStringLiteral("Löschen"));
        connect(clearButton, &QPushButton::clicked, this, [this, r] { clear(r); });
        grid->addWidget(clearButton, line, 5);
    }
    auto* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void LinkFieldsDialog::browse(int r)
{
    Prompter::FileRequest request;
    request.title =
        QStringLiteral("Datei für Verknüpfungsfeld ") + rowName(r) + QStringLiteral(" auswählen");
    request.directory = m_path[r]->text().trimmed();
    request.filters = {QStringLiteral("Alle Dateien (*.*)"),
                       QStringLiteral("Verknüpfungen (*.desktop)"),
                       QStringLiteral("Skripte (*.sh)")};
    if (const auto file = m_prompter.openFile(request))
        m_path[r]->setText(*file);
}

void LinkFieldsDialog::clear(int r)
{
    const LinkField empty =
        r == kKeyboardRow ? LinkField{QString(), QString(), QStringLiteral("Bildschirmtastatur")}
                          : Settings::defaultLink(r);
    m_path[r]->setText(empty.path);
    if (m_caption[r] != nullptr)
        m_caption[r]->setText(empty.caption);
    m_tooltip[r]->setText(empty.tooltip);
}

LinkField LinkFieldsDialog::row(int r) const
{
    return {m_path[r]->text().trimmed(), m_caption[r] != nullptr ? m_caption[r]->text() : QString(),
            m_tooltip[r]->text()};
}

std::array<LinkField, 3> LinkFieldsDialog::links() const
{
    return {row(0), row(1), row(2)};
}

LinkField LinkFieldsDialog::keyboard() const
{
    return row(kKeyboardRow);
}

void LinkFieldsDialog::accept()
{
    std::array<QString, kLinkRows> paths;
    for (int r = 0; r < kLinkRows; ++r) {
        m_path[r]->setText(m_path[r]->text().trimmed());
        paths[r] = m_path[r]->text();
    }
    const int invalid = firstInvalidLinkPath(paths);
    if (invalid >= 0) {
        m_prompter.error(invalidLinkText(invalid));
        m_path[invalid]->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace velunto
