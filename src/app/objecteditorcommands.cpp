// The main window's part of the object editor: opening it and the shortcuts
// that the editor's window takes over while it is active.

#include "app/mainwindow.h"
#include "platform/prompter.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QShortcutEvent>

namespace velunto {

ObjectEditorWindow& MainWindow::objectEditor()
{
    if (m_objectEditor == nullptr) {
        m_objectEditor = new ObjectEditorWindow(m_document, *m_view, m_context.prompter, this);
        m_objectEditor->setSaveHandler([this] { saveDocument(); });
        m_objectEditor->setFontHandler([this] { chooseDocumentFont(); });
        connect(m_objectEditor, &ObjectEditorWindow::opened, this, &MainWindow::refreshMenuStates);
        connect(m_objectEditor, &ObjectEditorWindow::closed, this, [this] {
            leaveShortcutsToEditor(false);
            refreshMenuStates();
        });
        connect(m_objectEditor, &ObjectEditorWindow::activeChanged, this,
                &MainWindow::leaveShortcutsToEditor);
    }
    return *m_objectEditor;
}

bool MainWindow::isObjectEditorOpen() const
{
    return m_objectEditor != nullptr && m_objectEditor->isOpen();
}

void MainWindow::openObjectEditor()
{
    if (mode() != AppMode::LearningView) {
        m_context.prompter.information(
            QStringLiteral("Beschriftungen können nur in der Lernansicht bearbeitet werden."));
        return;
    }
    // The author works on the page: the start panel must not hide it.
    setStartPanelShown(false);
    objectEditor().open();
}

void MainWindow::leaveShortcutsToEditor(bool editorActive)
{
    if (!editorActive) {
        for (const auto& [action, key] : m_waitingShortcuts)
            action->setShortcut(key);
        m_waitingShortcuts.clear();
        return;
    }
    const QList<QKeySequence> taken = m_objectEditor->shortcuts();
    for (const auto& [action, command] : m_actions) {
        if (!action->shortcut().isEmpty() && taken.contains(action->shortcut())) {
            m_waitingShortcuts.emplace_back(action, action->shortcut());
            action->setShortcut(QKeySequence());
        }
    }
}

bool MainWindow::leaveMnemonicToEditor(QEvent* event)
{
    if (event->type() != QEvent::Shortcut || !isObjectEditorOpen() ||
        QApplication::activeWindow() != m_objectEditor)
        return false;
    return m_objectEditor->openMenuByMnemonic(static_cast<QShortcutEvent*>(event)->key());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menuBar() && leaveMnemonicToEditor(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace velunto
