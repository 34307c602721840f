#include "platform/ui/widgetprompter.h"

#include "platform/ui/dialogrunner.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velunto {

namespace {

QMessageBox::Icon iconOf(Prompter::Kind kind)
{
    switch (kind) {
    case Prompter::Kind::Information:
        return QMessageBox::Information;
    case Prompter::Kind::Warning:
        return QMessageBox::Warning;
    case Prompter::Kind::Error:
        return QMessageBox::Critical;
    case Prompter::Kind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString captionOf(Prompter::Kind kind)
{
    switch (kind) {
    case Prompter::Kind::Information:
        return QStringLiteral("Information");
    case Prompter::Kind::Warning:
        return QStringLiteral("Warnung");
    case Prompter::Kind::Error:
        return QStringLiteral("Fehler");
    case Prompter::Kind::Confirmation:
        return QStringLiteral("Bestätigen");
    }
    return {};
}

QString joinedFilters(const QStringList& filters)
{
    QStringList result;
    for (const QString& f : filters)
        result << dialogFilter(f);
    return result.join(QStringLiteral(";;"));
}

std::optional<QString> runFileDialog(QWidget* parent, const Prompter::FileRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilter(joinedFilters(request.filters));
        const int index = qBound(0, request.filterIndex, int(request.filters.size()) - 1);
        dialog.selectNameFilter(dialogFilter(request.filters[index]));
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString displayText(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

QString dialogFilter(const QString& filter)
{
    QString result = filter;
    result.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    return result;
}

Prompter::Answer WidgetPrompter::message(Kind kind, const QString& text, Buttons buttons)
{
    QMessageBox box(iconOf(kind), captionOf(kind), displayText(text), QMessageBox::NoButton,
                    m_parent);
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case Buttons::Ok:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        break;
    case Buttons::YesNoCancel:
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        break;
    case Buttons::YesNo:
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        break;
    }
    runDialog(box);
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == yes && yes != nullptr)
        return Answer::Yes;
    if (clicked == no && no != nullptr)
        return Answer::No;
    if (clicked == ok && ok != nullptr)
        return Answer::Ok;
    // Closing the box otherwise is the safe answer of its kind.
    if (buttons == Buttons::YesNo)
        return Answer::No;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> WidgetPrompter::openFile(const FileRequest& request)
{
    return runFileDialog(m_parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> WidgetPrompter::saveFile(const FileRequest& request)
{
    return runFileDialog(m_parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> WidgetPrompter::chooseFolder(const QString& title, const QString& start)
{
    QFileDialog dialog(m_parent, title, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().constFirst().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> WidgetPrompter::askPassword(const QString& text)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("Passwort"));
    dialog.setLabelText(displayText(text));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<ColorRef> WidgetPrompter::chooseColour(const QString& title, ColorRef initial)
{
    QColorDialog dialog(toQColor(initial), m_parent);
    dialog.setWindowTitle(title);
    if (runDialog(dialog) != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

} // namespace velunto
