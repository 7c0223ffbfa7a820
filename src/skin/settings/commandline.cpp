// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/settings/commandline.h"

#include "core/settings/settingmessages.h"
#include "core/settings/settingsfiles.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>

namespace {

// The options every Qt program takes, which QApplication removes from the
// command line itself; the parser only has to let them through.
constexpr std::array kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "display",   "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
// The names of --help and --version, as addHelpOption() and addVersionOption() give them.
constexpr std::array kOwnFlags = {"h", "?", "help", "help-all", "v", "version"};

constexpr const char* kHelp = "help";
constexpr const char* kHelpAll = "help-all";
constexpr const char* kVersion = "version";

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void addHiddenOption(QCommandLineParser& parser, const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// The name of an option as written on the command line: "--name", or "-n".
std::string written(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + name.toStdString();
}

bool isSetting(const QString& name) {
    return std::ranges::any_of(settingkeys::kAll,
                               [&](std::string_view key) { return name == qString(key); });
}

bool isFlag(const QString& name) {
    const auto named = [&](const char* flag) { return name == QLatin1String(flag); };
    return std::ranges::any_of(kOwnFlags, named) || std::ranges::any_of(kQtFlags, named);
}

// Why the parser refused a command line that names no unknown option: a
// setting given last with no value, or a flag given a value.
std::string refusal(const QCommandLineParser& parser, const QStringList& arguments,
                    Language language) {
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            continue;
        const QString name =
            argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
        if (argument.contains(u'=') && isFlag(name))
            return unexpectedValueLine(written(name), language);
        if (!argument.contains(u'=') && isSetting(name) && argument == arguments.last())
            return missingValueLine(name.toStdString(), language);
    }
    return commandLineErrorLine(parser.errorText().toStdString(), language);
}

} // namespace

Language localeLanguage() {
    return messageLanguage(qgetenv("LC_ALL").toStdString(), qgetenv("LC_MESSAGES").toStdString(),
                           qgetenv("LANG").toStdString());
}

StartUp setUpClassroom(const QStringList& arguments, const SettingsPaths& paths,
                       Language language) {
    StartUp startUp;
    QCommandLineParser parser;
    // "-platform" as Qt writes its own options, not as -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const std::string_view key : settingkeys::kAll)
        parser.addOption(
            QCommandLineOption(qString(key), QString(), qString(valueSyntax(key, language))));
    for (const char* name : kQtOptionsWithValue)
        addHiddenOption(parser, name, QStringLiteral("value"));
    for (const char* name : kQtFlags)
        addHiddenOption(parser, name, QString());

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        startUp.errors = unknown.isEmpty() ? refusal(parser, arguments, language)
                                           : unknownOptionLine(written(unknown.first()), language);
        startUp.exitStatus = kBadCommandLine;
        return startUp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        startUp.errors =
            unexpectedArgumentLine(parser.positionalArguments().first().toStdString(), language);
        startUp.exitStatus = kBadCommandLine;
        return startUp;
    }
    if (parser.isSet(kHelp) || parser.isSet(kHelpAll)) {
        startUp.out = usageText(language, paths.system.toStdString(), paths.user.toStdString());
        startUp.exitStatus = 0;
        return startUp;
    }
    if (parser.isSet(kVersion)) {
        startUp.out = versionText(FRAZIONI_VERSION);
        startUp.exitStatus = 0;
        return startUp;
    }

    std::vector<SettingEntry> commandLine;
    for (const std::string_view key : settingkeys::kAll) {
        const QString name = qString(key);
        if (!parser.isSet(name))
            continue;
        // Given more than once, the last one counts, as with most programs.
        const std::string value = parser.values(name).last().toStdString();
        ClassroomSettings check;
        if (applySetting(check, key, value) != SettingCheck::Applied) {
            startUp.errors = badOptionValueLine(key, value, language);
            startUp.exitStatus = kBadCommandLine;
            return startUp;
        }
        commandLine.push_back({std::string(key), value});
    }

    const ClassroomSetup setup = combineSettings(
        {readSettingsFile(paths.system), readSettingsFile(paths.user)}, commandLine, language);
    startUp.settings = setup.settings;
    for (const std::string& warning : setup.warnings)
        startUp.errors += warning;
    return startUp;
}
