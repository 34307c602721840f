#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;

namespace velunto {

// The one font of the text fields of the content editors (cloze, single
// questions, multiple choice, cluster, cross assignment). It starts as
// Arial 10, not bold, at every program start; a change applies to every
// such field at once, for the rest of the run.
struct EditorFontChoice
{
    QString family = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false;

    bool operator==(const EditorFontChoice&) const = default;
};

// "Courier New", "Arial", "MS Sans Serif", "Verdana".
QStringList editorFontFamilies();

EditorFontChoice editorFontChoice();
void setEditorFontChoice(const EditorFontChoice& choice);
QFont editorFont();

// Gives field the editor font now and after every change.
void useEditorFont(QWidget* field);

// "Editor-Schriftart" (TEditorSchriftartForm): OK sets the editor font.
class EditorFontDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit EditorFontDialog(QWidget* parent = nullptr);

    QComboBox* familyList() const { return m_family; }
    QComboBox* sizeList() const { return m_size; }
    QCheckBox* boldBox() const { return m_bold; }

    void accept() override;

  private:
    QComboBox* m_family;
    QComboBox* m_size;
    QCheckBox* m_bold;
};

} // namespace velunto
