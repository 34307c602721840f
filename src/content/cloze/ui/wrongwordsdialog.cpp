#include "content/cloze/ui/wrongwordsdialog.h"

#include "content/ui/editorfont.h"
#include "platform/ui/dialogbuttons.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace velunto {

WrongWordsDialog::WrongWordsDialog(const QString& words, QWidget* parent)
    : QDialog(parent), m_memo(new QPlainTextEdit)
{
    setWindowTitle(QStringLiteral("Falschwörter"));
    QString text = words;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_memo->setPlainText(text);
    useEditorFont(m_memo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Geben Sie hier zeilenweise die Falschwörter ein.")));
    layout->addWidget(m_memo, 1);
    layout->addWidget(okCancelButtons(this));
    resize(320, 360);
}

QString WrongWordsDialog::words() const
{
    QString text = m_memo->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

} // namespace velunto
