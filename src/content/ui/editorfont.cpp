#include "content/ui/editorfont.h"

#include "platform/ui/dialogbuttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QPointer>
#include <QVBoxLayout>

#include <vector>

namespace velunto {

namespace {

constexpr int kSmallest = 8;
constexpr int kLargest = 12;

EditorFontChoice& current()
{
    static EditorFontChoice choice;
    return choice;
}

std::vector<QPointer<QWidget>>& fields()
{
    static std::vector<QPointer<QWidget>> list;
    return list;
}

} // namespace

QStringList editorFontFamilies()
{
    return {QStringLiteral("Courier New"), QStringLiteral("Arial"), QStringLiteral("MS Sans Serif"),
            QStringLiteral("Verdana")};
}

EditorFontChoice editorFontChoice()
{
    return current();
}

QFont editorFont()
{
    QFont font(current().family);
    font.setPointSize(current().pointSize);
    font.setBold(current().bold);
    return font;
}

void setEditorFontChoice(const EditorFontChoice& choice)
{
    current() = choice;
    auto& list = fields();
    std::erase_if(list, [](const QPointer<QWidget>& w) { return w.isNull(); });
    const QFont font = editorFont();
    for (const QPointer<QWidget>& w : list)
        w->setFont(font);
}

void useEditorFont(QWidget* field)
{
    field->setFont(editorFont());
    auto& list = fields();
    std::erase_if(list, [](const QPointer<QWidget>& w) { return w.isNull(); });
    list.emplace_back(field);
}

EditorFontDialog::EditorFontDialog(QWidget* parent)
    : QDialog(parent), m_family(new QComboBox), m_size(new QComboBox),
      m_bold(new QCheckBox(QStringLiteral("Fett")))
{
    setWindowTitle(QStringLiteral("Editor-Schriftart"));
    const EditorFontChoice choice = current();
    m_family->addItems(editorFontFamilies());
    m_family->setCurrentIndex(std::max(0, int(editorFontFamilies().indexOf(choice.family))));
    for (int size = kSmallest; size <= kLargest; ++size)
        m_size->addItem(QString::number(size), size);
    m_size->setCurrentIndex(std::clamp(choice.pointSize, kSmallest, kLargest) - kSmallest);
    m_bold->setChecked(choice.bold);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Schriftart:"), m_family);
    form->addRow(QStringLiteral("Größe:"), m_size);
    form->addRow(QString(), m_bold);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(this));
}

void EditorFontDialog::accept()
{
    setEditorFontChoice(
        {m_family->currentText(), m_size->currentData().toInt(), m_bold->isChecked()});
    QDialog::accept();
}

} // namespace velunto
