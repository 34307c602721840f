#include "view/drawing/ui/stampdialog.h"

#include "common/cp1252.h"
#include "view/drawing/stamps.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr int kIcon = 24;

QChar characterOfCode(int code)
{
    return fromCp1252(QByteArray(1, char(code))).at(0);
}

int codeOf(QChar c)
{
    const QByteArray bytes = toCp1252(QString(c));
    return bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]);
}

// The character as the stamp shows it, so that the list never shows the box
// of a character the font lacks.
QIcon symbolIcon(const StampSymbol& symbol)
{
    QPixmap pixmap(kIcon, kIcon);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    paintSymbol(p, symbol, kIcon / 2.0, 0.0, kIcon * 3 / 4, Qt::black);
    return QIcon(pixmap);
}

} // namespace

StampDialog::StampDialog(const StampSettings& stamps, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Stempelsymbole konfigurieren"));
    const QStringList fonts = stampFontChoices();

    auto* group = new QGroupBox(QStringLiteral(" Zeichen für Stempelsymbole "));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Schriftart")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Zeichen")), 0, 2);
    for (int k = 0; k < kStampCount; ++k) {
        const StampSymbol symbol = stampSymbol(stamps, k + 1);
        auto* font = new QComboBox;
        font->addItems(fonts);
        int index = font->findText(symbol.font, Qt::MatchFixedString);
        if (index < 0) {
            font->addItem(symbol.font);
            index = font->count() - 1;
        }
        font->setCurrentIndex(index);
        auto* character = new QComboBox;
        character->setIconSize(QSize(kIcon, kIcon));
        character->setMaxVisibleItems(16);
        m_fonts[k] = font;
        m_characters[k] = character;
        fillCharacters(k, codeOf(symbol.character));
        connect(font, &QComboBox::currentIndexChanged, this,
                [this, k] { fillCharacters(k, m_characters[k]->currentData().toInt()); });
        grid->addWidget(new QLabel(QString::number(k + 1)), k + 1, 0);
        grid->addWidget(font, k + 1, 1);
        grid->addWidget(character, k + 1, 2);
    }

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void StampDialog::fillCharacters(int stamp, int code)
{
    QComboBox* box = m_characters[stamp];
    const QString font = m_fonts[stamp]->currentText();
    const QSignalBlocker block(box);
    box->clear();
    for (int c = 1; c <= 255; ++c)
        box->addItem(symbolIcon({font, characterOfCode(c)}), QString::number(c), c);
    box->setCurrentIndex(std::clamp(code, 1, 255) - 1);
}

StampSettings StampDialog::stamps() const
{
    StampSettings s;
    s.characters.clear();
    for (int k = 0; k < kStampCount; ++k) {
        s.fonts[k] = m_fonts[k]->currentText();
        s.characters += characterOfCode(m_characters[k]->currentData().toInt());
    }
    return s;
}

} // namespace velunto
