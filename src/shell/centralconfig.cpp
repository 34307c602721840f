#include "shell/centralconfig.h"

#include "platform/inifile.h"
#include "shell/programfolders.h"
#include "shell/settings.h"

#include <cmath>
#include <optional>

namespace velunto {

namespace {

std::optional<int> toInt(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int v = text->trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

// Either decimal notation: "85,5" as written in a German locale, or "85.5".
std::optional<double> toDouble(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    bool ok = false;
    QString t = text->trimmed();
    t.replace(u',', u'.');
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// Reads the keys of one section.
class Section
{
  public:
    Section(const IniFile& ini, const char* name) : m_ini(ini), m_name(QString::fromLatin1(name)) {}

    bool switchedOn(const char* switchKey) const
    {
        const auto on = toInt(raw(switchKey));
        return on && *on != 0;
    }

    std::optional<QString> raw(const char* key) const
    {
        return m_ini.value(m_name, QString::fromLatin1(key));
    }

    // A missing key keeps the held value.
    void text(const char* key, QString& target) const
    {
        if (const auto v = raw(key))
            target = *v;
    }
    // A missing key gives the fallback.
    void text(const char* key, QString& target, const QString& fallback) const
    {
        target = raw(key).value_or(fallback);
    }
    void folder(const char* key, QString& target) const
    {
        if (const auto v = raw(key)) {
            if (const QString folder = folderSetting(*v); !folder.isEmpty())
                target = folder;
        }
    }
    void boolean(const char* key, bool& target) const
    {
        if (const auto v = toInt(raw(key)))
            target = *v != 0;
    }
    void integer(const char* key, int& target, int lo, int hi, int bad) const
    {
        if (const auto v = toInt(raw(key)))
            target = (*v >= lo && *v <= hi) ? *v : bad;
    }

  private:
    const IniFile& m_ini;
    QString m_name;
};

void applyProxy(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Proxy");
    if (!sec.switchedOn("ProxyDefZentral"))
        return;
    sec.text("ProxyServer", s.proxy.server, QString());
    s.proxy.port = toInt(sec.raw("ProxyPort")).value_or(0);
    sec.text("ProxyBenutzer", s.proxy.user, QString());
    sec.text("ProxyPasswort", s.proxy.password, QString());
}

void applyFolders(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Ordner");
    if (!sec.switchedOn("OrdnerDefZentral"))
        return;
    sec.folder("OrdnerChronik", s.folders.chronicle);
    sec.folder("OrdnerProtokoll", s.folders.protocol);
    sec.folder("OrdnerBestenliste", s.folders.bestList);
    sec.folder("OrdnerTauschboerse", s.folders.exchange);
    sec.folder("OrdnerBilderGalerie", s.folders.gallery);
}

void applyLinks(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Verknuepfungsfelder");
    if (!sec.switchedOn("VerknuepfungDefZentral"))
        return;
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        const LinkField fallback = Settings::defaultLink(i);
        sec.text(("Verknuepfung" + n + "Datei").constData(), s.links[i].path);
        sec.text(("Verknuepfung" + n + "Beschriftung").constData(), s.links[i].caption,
                 fallback.caption);
        sec.text(("Verknuepfung" + n + "Hinweis").constData(), s.links[i].tooltip,
                 fallback.tooltip);
    }
    const LinkField keyboard = Settings::defaultKeyboard();
    sec.text("VerknuepfungBildschirmtastatur", s.keyboard.path, keyboard.path);
    sec.text("VerknuepfungBildschirmtastaturHinweis", s.keyboard.tooltip, keyboard.tooltip);
}

void applyNetwork(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "NetzKom");
    if (!sec.switchedOn("NetzKomDefZentral"))
        return;
    sec.folder("NetzKomOrdner", s.network.folder);
    sec.text("NetzKomKanal", s.network.channel);
    if (const auto method = toInt(sec.raw("NetzKomVerfahren")))
        s.network.method = *method == 1 ? 1 : 0;
    sec.integer("NetzKom-Port", s.network.port, 1, 65535, NetworkChannelSettings{}.port);
}

void applyGrading(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Notenskala");
    if (!sec.switchedOn("NotenskalaDefZentral"))
        return;
    const auto percent = [&](const QByteArray& key, double& target) {
        const auto v = toDouble(sec.raw(key.constData()));
        if (v && *v >= 0.0 && *v <= 100.0)
            target = *v / 100.0;
    };
    for (int k = 1; k <= 5; ++k)
        percent("Note" + QByteArray::number(k), s.grading.GradeThreshold[k]);
    for (int k = 1; k <= 15; ++k)
        percent("Punkte" + QByteArray::number(k), s.grading.PointsThreshold[k]);
    sec.integer("BewertSkala", s.grading.GradingScaleKind, 0, 4, GradingScale{}.GradingScaleKind);
}

void applyUpdateCheck(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "UpdateCheck");
    if (sec.switchedOn("UpdateCheckDefZentral"))
        sec.boolean("UpdateCheck", s.checkUpdateAtStart);
}

void applyOptions(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Optionen");
    if (!sec.switchedOn("OptionenDefZentral"))
        return;
    sec.boolean("Tonausgabe", s.options.SoundOn);
    sec.boolean("Namenseingabe", s.options.AskParticipantName);
    sec.boolean("Statusinfo", s.options.ShowStatusPanel);
    sec.boolean("ProtokollAutospeichern", s.options.AutoSaveProtocol);
    sec.boolean("BestenlisteAutoeintrag", s.options.AutoBestListEntry);
    sec.boolean("UebungsergebnisAnzeigen", s.options.ShowResultWindow);
    sec.text("Schriftart", s.documentFont);
    sec.integer("WerkzeugPos", s.ToolbarSide, 0, 1, Settings{}.ToolbarSide);
    // Unlike the other keys, a missing scale factor gives 100 %.
    const auto scale = toDouble(sec.raw("ArbeitsblattSkalFak"));
    s.worksheetScale = (scale && *scale >= 1.0 && *scale <= 1000.0) ? *scale : 100.0;
}

void applyFeedback(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Uebungsrueckmeldung");
    if (!sec.switchedOn("UebungsrueckmeldungDefZentral"))
        return;
    sec.text("RichtigTonDatei", s.feedback.CorrectSoundFile);
    sec.text("FalschTonDatei", s.feedback.WrongSoundFile);
    sec.text("RichtigText", s.feedback.CorrectText);
    sec.text("FalschText", s.feedback.WrongText);
    sec.text("MCRichtigText", s.feedback.McRightTicksLabel);
    sec.text("MCFalschText", s.feedback.McWrongTicksLabel);
    sec.text("MCFehlendText", s.feedback.McMissingTicksLabel);
}

void applyExchange(Settings& s, const IniFile& ini)
{
    const Section sec(ini, "Tauschboerse");
    if (!sec.switchedOn("TauschboerseDefZentral"))
        return;
    sec.text("Name", s.exchange.Name);
    sec.text("Email", s.exchange.Email);
    sec.text("Zugangscode", s.exchange.Zugangscode);
    sec.text("Kennwort", s.exchange.Kennwort);
    bool termsAccepted = false;
    sec.boolean("AGB_akzeptiert", termsAccepted);
    if (!termsAccepted)
        s.exchange.Zugangscode.clear();
}

void applyStart(Settings& s, const IniFile& ini)
{
    const auto folder = ini.value(QStringLiteral("Start"), QStringLiteral("Themenordner"));
    if (folder && !folder->trimmed().isEmpty())
        s.startTopicFolder = existingFolder(*folder);
}

} // namespace

void applyCentralDefaults(Settings& settings, const IniFile& ini)
{
    applyProxy(settings, ini);
    applyFolders(settings, ini);
    applyLinks(settings, ini);
    applyNetwork(settings, ini);
    applyGrading(settings, ini);
    applyUpdateCheck(settings, ini);
    applyOptions(settings, ini);
    applyFeedback(settings, ini);
    applyExchange(settings, ini);
    applyStart(settings, ini);
}

} // namespace velunto
