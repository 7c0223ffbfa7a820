// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/settings/commandline.h"

#include "core/settings/settingmessages.h"
#include "skin/files/smallfile.h"

#include <QCommandLineParser>
#include <QDir>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The options every Qt program takes, which QApplication removes from the
// command line itself; the parser only has to let them through.
constexpr std::array kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "display",   "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void addHiddenOption(QCommandLineParser& parser, const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

bool takesValue(const QString& name) {
    return findSetting(name.toStdString()) != nullptr ||
           std::any_of(kQtOptionsWithValue.begin(), kQtOptionsWithValue.end(),
                       [&](const char* option) { return name == QLatin1String(option); });
}

// The line for a command line the parser refused, in the user's language
// rather than the parser's English: the first option with no value after it,
// or with a value it does not take. Unknown options the parser names itself.
std::string refusal(const QCommandLineParser& parser, const QStringList& arguments,
                    Language language) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return commandLineLine(CommandLineProblem::UnknownOption,
                               ((name.size() == 1 ? "-" : "--") + name).toStdString(), {},
                               language);
    }
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        if (!arguments[i].startsWith(u'-'))
            continue;
        const bool hasValue = arguments[i].contains(u'=');
        const QString written = arguments[i].section(u'=', 0, 0);
        const QString name = written.mid(written.startsWith(QLatin1String("--")) ? 2 : 1);
        if (hasValue && !takesValue(name))
            return commandLineLine(CommandLineProblem::TakesNoValue, written.toStdString(), {},
                                   language);
        // The value of an option is the next argument, whatever it looks like.
        if (!hasValue && takesValue(name) && ++i == arguments.size())
            return commandLineLine(CommandLineProblem::NeedsValue, written.toStdString(), {},
                                   language);
    }
    return commandLineLine(CommandLineProblem::Unexpected, arguments.join(u' ').toStdString(), {},
                           language);
}

} // namespace

std::vector<std::string> settingsFiles() {
    return settingsFilePaths(qgetenv("XDG_CONFIG_HOME").toStdString(),
                             qgetenv("XDG_CONFIG_DIRS").toStdString(),
                             QDir::homePath().toStdString());
}

SettingsFileContent readSettingsFile(const std::string& path) {
    const SmallFile file = readSmallFile(path, kMaxSettingsFileBytes);
    if (file.status == SmallFile::Status::Read)
        return settingsFileContent(
            path, {reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()});
    // In the order of SmallFile::Status, whose Read is handled above.
    constexpr std::array kProblems = {FileProblem::None,     FileProblem::None,
                                      FileProblem::Folder,   FileProblem::NotAFile,
                                      FileProblem::TooLarge, FileProblem::Unreadable};
    return {.path = path,
            .problem = kProblems.at(std::size_t(file.status)),
            .reason = file.error != 0 ? std::strerror(file.error) : "",
            .entries = {}};
}

Language localeLanguage() {
    return messageLanguage(qgetenv("LC_ALL").toStdString(), qgetenv("LC_MESSAGES").toStdString(),
                           qgetenv("LANG").toStdString());
}

StartUp setUpClassroom(const QStringList& arguments, const std::vector<std::string>& files,
                       Language language) {
    StartUp startUp;
    QCommandLineParser parser;
    // "-platform" as Qt writes its own options, not as -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    const QString checkSettings = qString(kCheckSettings);
    parser.addOption(QCommandLineOption(checkSettings));
    for (const SettingKey& key : kSettingKeys)
        parser.addOption(
            QCommandLineOption(qString(key.name), QString(), qString(key.syntax(language))));
    for (const char* name : kQtOptionsWithValue)
        addHiddenOption(parser, name, QStringLiteral("value"));
    for (const char* name : kQtFlags)
        addHiddenOption(parser, name, QString());

    startUp.exitStatus = kBadSettings;
    if (!parser.parse(arguments)) {
        startUp.errors = refusal(parser, arguments, language);
        return startUp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        startUp.errors =
            commandLineLine(CommandLineProblem::Unexpected,
                            parser.positionalArguments().first().toStdString(), {}, language);
        return startUp;
    }
    startUp.exitStatus = 0;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        startUp.out = usageText(language, files);
        return startUp;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        startUp.out = versionText(FRAZIONI_VERSION);
        return startUp;
    }

    std::vector<SettingEntry> commandLine;
    for (const SettingKey& key : kSettingKeys) {
        if (!parser.isSet(qString(key.name)))
            continue;
        // Given more than once, the last one counts, as with most programs.
        const std::string value = parser.values(qString(key.name)).last().toStdString();
        ClassroomSettings check;
        if (!key.apply(check, value)) {
            startUp.errors = commandLineLine(CommandLineProblem::BadValue,
                                             "--" + std::string(key.name), value, language);
            startUp.exitStatus = kBadSettings;
            return startUp;
        }
        commandLine.push_back({std::string(key.name), value});
    }

    std::vector<SettingsFileContent> contents;
    for (const std::string& file : files)
        contents.push_back(readSettingsFile(file));
    const ClassroomSetup setup = combineSettings(contents, commandLine, language);
    startUp.settings = setup.settings;
    for (const std::string& warning : setup.warnings)
        startUp.errors += warning;
    if (!parser.isSet(checkSettings)) {
        startUp.exitStatus.reset();
        return startUp;
    }
    startUp.out = checkText(setup);
    startUp.exitStatus = setup.warnings.empty() ? 0 : kBadSettings;
    return startUp;
}
