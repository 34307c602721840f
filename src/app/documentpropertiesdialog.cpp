#include "app/documentpropertiesdialog.h"

#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"
#include "view/ui/picturesource.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString withCrLf(QString text)
{
    return withLineFeeds(std::move(text)).replace(u'\n', QStringLiteral("\r\n"));
}

QComboBox* comboBox(const QStringList& items, int current)
{
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(std::clamp(current, 0, int(items.size()) - 1));
    return box;
}

QStringList alignments()
{
    return {QStringLiteral("linksbündig"), QStringLiteral("mittig"),
            QStringLiteral("rechtsbündig")};
}

// Entry k of the target size list stands for 100 - 10 k percent.
int targetSizeEntry(int percent)
{
    return std::clamp((100 - percent + 5) / 10, 0, 10);
}

QPushButton* button(const QString& caption, QObject* receiver, std::function<void()> action)
{
    auto* b = new QPushButton(caption);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, receiver, std::move(action));
    return b;
}

} // namespace

DocumentProperties DocumentProperties::of(const HeaderDataTyp& h)
{
    DocumentProperties p;
    p.Titel = h.Titel;
    p.Autor = h.Autor;
    p.Bemerkung = h.Bemerkung;
    p.NumArt = h.NumArt;
    p.GeordnetArt = h.GeordnetArt;
    p.Zielpunktgroesse = h.Zielpunktgroesse;
    p.BilderPasswort = h.BilderPasswort;
    p.ABLogo = h.ABLogo;
    p.logoPercent = h.LogoGroesse * 100.0;
    p.LogoAusricht = h.LogoAusricht;
    p.Fusszeile = h.Fusszeile;
    p.FusszeileAusricht = h.FusszeileAusricht;
    return p;
}

PropertiesChange applyProperties(Document& document, const DocumentProperties& p)
{
    HeaderDataTyp& h = document.header;
    PropertiesChange change;
    change.numberStyleChanged = h.NumArt != p.NumArt;
    change.numberingOrderChanged = h.GeordnetArt != p.GeordnetArt;
    if (h.BilderPasswort != p.BilderPasswort)
        document.setPicturesUnlocked(false);
    h.Titel = p.Titel;
    h.Autor = p.Autor;
    h.Bemerkung = p.Bemerkung;
    h.NumArt = p.NumArt;
    h.GeordnetArt = p.GeordnetArt;
    h.Zielpunktgroesse = p.Zielpunktgroesse;
    h.BilderPasswort = p.BilderPasswort;
    h.ABLogo = p.ABLogo;
    // Percent and back is not exact for every fraction: a field left as it
    // was keeps the stored value to the last bit.
    if (p.logoPercent != h.LogoGroesse * 100.0)
        h.LogoGroesse = p.logoPercent / 100.0;
    h.LogoAusricht = p.LogoAusricht;
    h.Fusszeile = p.Fusszeile;
    h.FusszeileAusricht = p.FusszeileAusricht;
    document.setModified();
    return change;
}

DocumentPropertiesDialog::DocumentPropertiesDialog(Document& document, Prompter& prompter,
                                                   QWidget* parent)
    : QDialog(parent), m_document(document), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Dokumenteigenschaften"));
    const HeaderDataTyp& h = document.header;
    m_password = h.BilderPasswort;
    m_logo = h.ABLogo;

    m_title = new QLineEdit(h.Titel);
    m_author = new QLineEdit(h.Autor);
    m_remark = new QPlainTextEdit(withLineFeeds(h.Bemerkung));
    m_remark->setFixedHeight(80);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(
        button(QStringLiteral("Dok.typ an Titel anfügen"), this, [this] { appendTypeToTitle(); }));

    m_numArt = comboBox(
        {QStringLiteral("Zahlen: 1, 2, 3, ..."), QStringLiteral("Buchstaben: A, B, C, ...")},
        h.NumArt);
    m_order = comboBox({QStringLiteral("von oben nach unten"), QStringLiteral("alphabetisch")},
                       h.GeordnetArt);
    QStringList sizes;
    for (int percent = 100; percent >= 10; percent -= 10)
        sizes << QString::number(percent) + u'%';
    sizes << QStringLiteral("unsichtbar");
    m_targetSize = comboBox(sizes, targetSizeEntry(h.Zielpunktgroesse));

    m_passwordState = new QLabel;
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(m_passwordState, 1);
    passwordRow->addWidget(
        button(QStringLiteral("&Passwortschutz ändern..."), this, [this] { changePassword(); }));
    showPasswordState();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Titel:"), titleRow);
    form->addRow(QStringLiteral("Autor:"), m_author);
    form->addRow(QStringLiteral("Bemerkung:"), m_remark);
    form->addRow(QStringLiteral("Nummerierung:"), m_numArt);
    form->addRow(QStringLiteral("Geordnete Nummerierung:"), m_order);
    form->addRow(QStringLiteral("Zielpunktgröße:"), m_targetSize);
    form->addRow(QStringLiteral("Bilder-Passwort:"), passwordRow);

    auto* buttons = okCancelButtons(this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(button(QStringLiteral("&Seitenverhältnis..."), this,
                             [this] { Q_EMIT pageRatioRequested(); }));
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileFacts());
    layout->addLayout(form);
    layout->addWidget(worksheetGroup());
    layout->addLayout(bottom);
}

QWidget* DocumentPropertiesDialog::fileFacts()
{
    const QString path = m_document.header.FileName;
    const QFileInfo info(path);
    const QLocale german(QLocale::German, QLocale::Germany);
    QString size;
    QString changed;
    if (!path.isEmpty() && info.exists()) {
        size = german.toString(info.size()) + QStringLiteral(" Bytes");
        changed = german.toString(info.lastModified(), QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Datei:"), new QLabel(info.fileName()));
    form->addRow(QStringLiteral("Ordner:"),
                 new QLabel(path.isEmpty() ? QString() : info.absolutePath()));
    form->addRow(QStringLiteral("Größe:"), new QLabel(size));
    form->addRow(QStringLiteral("Geändert am:"), new QLabel(changed));
    form->addRow(QStringLiteral("Dokumententyp:"), new QLabel(m_document.documentTypeName()));
    return box;
}

QWidget* DocumentPropertiesDialog::worksheetGroup()
{
    const HeaderDataTyp& h = m_document.header;
    m_logoPreview = new QLabel;
    m_logoPreview->setFixedSize(120, 60);
    m_logoPreview->setAlignment(Qt::AlignCenter);
    m_logoPreview->setFrameShape(QFrame::StyledPanel);
    showLogo();

    m_logoSize = new QDoubleSpinBox;
    m_logoSize->setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_logoSize->setDecimals(1);
    // Sizes from 1 to 100 % are offered; a size outside them that a file
    // brings along is shown as it is and kept until the author changes it.
    const double storedPercent = h.LogoGroesse * 100.0;
    const bool usable = std::isfinite(storedPercent);
    m_logoSize->setRange(usable ? std::min(1.0, storedPercent) : 1.0,
                         usable ? std::max(100.0, storedPercent) : 100.0);
    m_logoSize->setSuffix(QStringLiteral(" %"));
    m_logoSize->setValue(storedPercent);
    m_storedLogoPercent = storedPercent;
    m_logoSizeShown = m_logoSize->value();
    m_logoAlign = comboBox(alignments(), h.LogoAusricht);
    m_footer = new QLineEdit(h.Fusszeile);
    m_footerAlign = comboBox(alignments(), h.FusszeileAusricht);

    auto* logoButtons = new QVBoxLayout;
    logoButtons->addWidget(
        button(QStringLiteral("aus Zwisch.abl."), this, [this] { logoFromClipboard(); }));
    logoButtons->addWidget(
        button(QStringLiteral("aus Datei..."), this, [this] { logoFromFile(); }));
    logoButtons->addWidget(
        button(QStringLiteral("In Zw.abl. kopieren"), this, [this] { logoToClipboard(); }));
    logoButtons->addWidget(button(QStringLiteral("Bild löschen"), this, [this] { deleteLogo(); }));
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(m_logoPreview);
    logoRow->addLayout(logoButtons);

    auto* box = new QGroupBox(QStringLiteral(" Arbeitsblatt "));
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Logo:"), logoRow);
    form->addRow(QStringLiteral("Logobreite:"), m_logoSize);
    form->addRow(QStringLiteral("Logo-Ausrichtung:"), m_logoAlign);
    form->addRow(QStringLiteral("Fußzeile:"), m_footer);
    form->addRow(QStringLiteral("Fußzeilen-Ausrichtung:"), m_footerAlign);
    form->addRow(button(QStringLiteral("Für alle Dokumente des aktuellen Ordners übernehmen"), this,
                        [this] { Q_EMIT logoForFolderRequested(); }));
    return box;
}

DocumentProperties DocumentPropertiesDialog::properties() const
{
    DocumentProperties p;
    p.Titel = m_title->text();
    p.Autor = m_author->text();
    p.Bemerkung = withCrLf(m_remark->toPlainText());
    p.NumArt = m_numArt->currentIndex();
    p.GeordnetArt = m_order->currentIndex();
    p.Zielpunktgroesse = 100 - 10 * m_targetSize->currentIndex();
    p.BilderPasswort = m_password;
    p.ABLogo = m_logo;
    // The field rounds to one decimal: unchanged, it stands for the stored size.
    p.logoPercent =
        m_logoSize->value() == m_logoSizeShown ? m_storedLogoPercent : m_logoSize->value();
    p.LogoAusricht = m_logoAlign->currentIndex();
    p.Fusszeile = m_footer->text();
    p.FusszeileAusricht = m_footerAlign->currentIndex();
    return p;
}

void DocumentPropertiesDialog::appendTypeToTitle()
{
    m_title->setText(m_title->text() + QStringLiteral(" - ") + m_document.documentTypeName());
}

void DocumentPropertiesDialog::changePassword()
{
    if (!m_password.isEmpty()) {
        const auto old = m_prompter.askPassword(QStringLiteral(
            "Bitte authentifizieren Sie sich zunächst durch Eingabe des ALTEN Passworts."));
        if (!old)
            return;
        if (*old != m_password) {
            m_prompter.error(QStringLiteral("Das Passwort ist falsch."));
            return;
        }
    }
    const auto entry = m_prompter.askPassword(
        QStringLiteral("Bitte geben Sie das (neue) Passwort ein, mit dem im Dokument "
                       "eingebundene Bilder geschützt werden sollen."));
    if (!entry)
        return;
    m_password = *entry;
    m_prompter.information(QStringLiteral("Das Passwort wurde erfolgreich gesetzt. Bitte speichern "
                                          "Sie das Dokument neu ab, um die Änderung wirksam werden "
                                          "zu lassen."));
    showPasswordState();
}

void DocumentPropertiesDialog::showPasswordState()
{
    m_passwordState->setText(m_password.isEmpty() ? QStringLiteral("Passwort nicht gesetzt")
                                                  : QStringLiteral("Passwort gesetzt"));
}

void DocumentPropertiesDialog::logoFromClipboard()
{
    if (auto picture = pictureFromClipboard(m_prompter)) {
        m_logo = std::move(*picture);
        showLogo();
    }
}

void DocumentPropertiesDialog::logoFromFile()
{
    if (auto picture = pictureFromFile(m_prompter, QStringLiteral("Logo aus Datei laden"), {})) {
        m_logo = std::move(*picture);
        showLogo();
    }
}

void DocumentPropertiesDialog::logoToClipboard()
{
    copyPictureToClipboard(m_logo, m_document, m_prompter);
}

void DocumentPropertiesDialog::deleteLogo()
{
    m_logo = Picture();
    showLogo();
}

void DocumentPropertiesDialog::showLogo()
{
    if (m_logo.isNull()) {
        m_logoPreview->setPixmap(QPixmap());
        m_logoPreview->setText(QStringLiteral("(kein Logo)"));
        return;
    }
    m_logoPreview->setPixmap(QPixmap::fromImage(
        m_logo.scaled(m_logoPreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace velunto
