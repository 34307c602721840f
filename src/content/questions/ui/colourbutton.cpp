#include "content/questions/ui/colourbutton.h"

#include "platform/prompter.h"

#include <QIcon>
#include <QPixmap>

namespace velunto {

ColourButton::ColourButton(const QString& caption, ColorRef colour, Prompter& prompter,
                           QWidget* parent)
    : QPushButton(caption, parent), m_prompter(prompter), m_colour(colour)
{
    m_title = QString(caption).remove(u'&').remove(u':').trimmed();
    setColour(colour);
    connect(this, &QPushButton::clicked, this, &ColourButton::choose);
}

void ColourButton::setColour(ColorRef colour)
{
    m_colour = colour;
    QPixmap swatch(28, 14);
    swatch.fill(toQColor(colour));
    setIcon(QIcon(swatch));
}

void ColourButton::choose()
{
    if (const auto chosen = m_prompter.chooseColour(m_title, m_colour)) {
        setColour(*chosen);
        Q_EMIT colourChosen(*chosen);
    }
}

} // namespace velunto
