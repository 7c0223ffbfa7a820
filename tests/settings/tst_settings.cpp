// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom settings: the machine's file, the user's file and the command line, in every
// order of precedence, and every way a file or an option can be wrong; then the program itself,
// which must answer --help, --version and a mistake with no display, no window and no sound.
#include "core/settings/settingkeys.h"
#include "skin/settings/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray kAll = "number-pad=always\nread-aloud=on\nsounds-folder=/srv/suoni\n";

// The settings as one text: "always on /srv/suoni".
QString described(const ClassroomSettings& settings) {
    QStringList values;
    for (const std::string_view key : settingkeys::kAll)
        values << QString::fromStdString(settingText(settings, key));
    return values.join(' ');
}

QByteArray randomBytes(int size) {
    QByteArray b(size, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(b.data()), size / 4);
    return b;
}

// Puts what a row asks for at `path`: nothing, a file, a folder, a pipe, or a file that
// cannot be read. Root reads any file whatever its mode, so for root the file is a link to
// a file of the kernel's that refuses reading even to root.
bool place(const QString& path, const QString& node, const QByteArray& content) {
    if (node == "none")
        return true;
    if (node == "folder")
        return QDir().mkdir(path);
    if (node == "pipe")
        return ::mkfifo(qPrintable(path), 0600) == 0;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    if (node != "unreadable")
        return true;
    if (file.setPermissions({}) && !file.open(QIODevice::ReadOnly))
        return true;
    return file.remove() && QFile::link("/proc/sys/vm/drop_caches", path) &&
           !QFile(path).open(QIODevice::ReadOnly);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    // Each setting comes from the command line, else the user's file, else the machine's file,
    // else its default; whatever cannot be used gives one line naming it and the rest is used.
    void eachSettingComesFromTheFirstPlaceThatGivesIt_data() {
        QTest::addColumn<QByteArray>("system"); // the machine's file; none when null
        QTest::addColumn<QString>("userNode");  // what stands at the user's file's path
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("lines"); // a text each line of standard error holds
        const QString defaults = "auto off /etc/frazioni/suoni", all = "always on /srv/suoni";
        // A row with nothing or a file at the user's file's path; the arguments split at blanks.
        auto add = [&](const char* name, const QByteArray& system, const QByteArray& user,
                       const QString& arguments, const QString& settings,
                       const QStringList& lines = {}) {
            QTest::newRow(name) << system << (user.isNull() ? "none" : "file") << user
                                << arguments.split(' ', Qt::SkipEmptyParts) << settings << lines;
        };
        add("defaults", {}, {}, "", defaults);
        add("the command line", {}, {},
            "--number-pad=always --read-aloud on -sounds-folder=/srv/suoni", all);
        add("the user's file over the machine's", kAll, "number-pad=never\nread-aloud=off\n", "",
            "never off /srv/suoni");
        add("the command line over the machine's file", kAll, {}, "--read-aloud=off",
            "always off /srv/suoni");
        add("the command line over the user's file", {}, kAll, "--sounds-folder=/media/suoni/",
            "always on /media/suoni/");
        add("the command line over both, the last of an option counting", "number-pad=always\n",
            "number-pad=never\n", "--number-pad=never --number-pad=auto", defaults);
        add("the whiteboard classroom's file, as the manual shows it",
            "# The whiteboard classroom: the number pad always on screen.\nnumber-pad=always\n", {},
            "", "always off /etc/frazioni/suoni");
        add("words in any case, blanks around them", "number-pad = NEVER\nread-aloud=On\n", {}, "",
            "never on /etc/frazioni/suoni");
        // Letters of two, three and four bytes; QSettings reads a comma as a list.
        add("a folder named in any script, with a comma", {}, "sounds-folder=/srv/città, 3ª/ठ/𝄞\n",
            "", "auto off /srv/città, 3ª/ठ/𝄞");
        add("Qt's own options let through", {}, {}, "-platform offscreen -reverse --style=Fusion",
            defaults);

        const QString user = "user.conf: ";
        add("a bad value in the user's file keeps the machine's", kAll, "number-pad=sometimes\n",
            "", all,
            {user + "number-pad=sometimes: the value must be auto, always or never; number-pad "
                    "stays always\n"});
        add("a bad value of each key keeps the default", {},
            "read-aloud=yes\nsounds-folder=suoni\nnumber-pad=\n", "", defaults,
            {user + "number-pad=: the value must be auto, always or never",
             user + "read-aloud=yes: the value must be off or on; read-aloud stays off",
             user + "sounds-folder=suoni: the value must be the full path of a folder, starting "
                    "with /; sounds-folder stays /etc/frazioni/suoni"});
        add("unknown keys, the good ones used", {},
            "numberpad=always\nread-aloud=on\n[scuola]\nnumber-pad=never\n", "",
            "auto on /etc/frazioni/suoni",
            {user + "unknown key numberpad=always: the keys are number-pad, read-aloud and "
                    "sounds-folder; ignored",
             user + "unknown key scuola/number-pad=never"});
        add("a value across lines shown on one, long ones cut", {},
            "number-pad=\"a\\nb\"\nread-aloud=" + QByteArray(100, 'x') + "\n", "", defaults,
            {user + "number-pad=a?b: ",
             user + "read-aloud=" + QString(60, 'x') + "...: the value"});
        QByteArray text;
        for (int i = 0; i < 8; ++i)
            text += "line" + QByteArray::number(i) + "=x\n";
        add("a text that is not settings: five lines, then how many more", {},
            text + "read-aloud=on\n", "", "auto on /etc/frazioni/suoni",
            {"line0", "line1", "line2", "line3", "line4", user + "3 more lines"});
        const QString noneUsed = "; none of its settings is used\n";
        const std::tuple<const char*, const char*, QByteArray, QString> bad[] = {
            {"a folder", "folder", {}, "a folder, not a file"},
            {"a pipe", "pipe", {}, "not an ordinary file"}, // opening it must not wait
            {"a file that cannot be read", "unreadable", kAll,
             "cannot be read (Permission denied)"},
            {"random bytes", "file", randomBytes(4096), "not a text file"},
            {"10 MiB", "file", kAll.repeated(10 * 1024 * 1024 / kAll.size()),
             "larger than 64 KiB, too large for a settings file"},
            {"not INI", "file", "[scuola\nnumber-pad=never\n", "not in the INI format"}};
        for (const auto& [name, node, content, why] : bad) {
            QTest::newRow(name) << QByteArray("read-aloud=on\n") << node << content << QStringList()
                                << "auto on /etc/frazioni/suoni"
                                << QStringList{user + why + (why.endsWith(')') ? noneUsed : "")};
        }
    }
    void eachSettingComesFromTheFirstPlaceThatGivesIt() {
        QFETCH(QByteArray, system);
        QFETCH(QString, userNode);
        QFETCH(QByteArray, user);
        QFETCH(QStringList, arguments);
        QFETCH(QString, settings);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const SettingsPaths paths{dir.filePath("system.conf"), dir.filePath("user.conf")};
        QVERIFY(place(paths.system, system.isNull() ? "none" : "file", system));
        QVERIFY(place(paths.user, userNode, user));
        const StartUp s =
            setUpClassroom(QStringList{"frazioni"} + arguments, paths, Language::English);
        QVERIFY(!s.exitStatus && s.out.empty());
        QCOMPARE(described(s.settings), settings);
        const QStringList got = QString::fromStdString(s.errors).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(got.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(got[i].startsWith("frazioni: " + dir.path() + '/'), qPrintable(got[i]));
            QVERIFY2((got[i] + '\n').contains(lines[i]), qPrintable(got[i]));
        }
    }

    // An option the program does not take ends it at once with one line naming the option,
    // what it accepts and where help is; --help and --version answer on standard output.
    void theCommandLineIsAnsweredBeforeAnythingStarts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("italian");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");
        const QString hint = ". Try 'frazioni --help'.\n";
        // The arguments, Italian or not, the exit status, the output's start, the error.
        const std::tuple<const char*, bool, int, const char*, QString> rows[] = {
            {"--help", false, 0, "Usage: frazioni [OPTION]...\n", ""},
            {"-h", true, 0, "Uso: frazioni [OPZIONE]...\n", ""},
            {"--version", false, 0, "frazioni 1.0.0\n", ""},
            {"--number-pad=sometimes", false, 2, "",
             "frazioni: --number-pad=sometimes: the value must be auto, always or never" + hint},
            {"--read-aloud=si", true, 2, "",
             "frazioni: --read-aloud=si: il valore dev'essere off o on. Vedi 'frazioni --help'.\n"},
            {"--read-aloud=on --numberpad=always", false, 2, "",
             "frazioni: unknown option --numberpad: the options are --number-pad, --read-aloud, "
             "--sounds-folder, --help and --version" +
                 hint},
            {"-style=Fusion -reverse --sounds-folder", false, 2, "",
             "frazioni: --sounds-folder needs a value: the full path of a folder, starting with /" +
                 hint},
            {"--version=2", false, 2, "", "frazioni: --version takes no value" + hint},
            {"esercizio.txt", false, 2, "",
             "frazioni: unexpected argument 'esercizio.txt': the program takes only options" +
                 hint}};
        for (const auto& [arguments, italian, status, out, error] : rows)
            QTest::addRow("%s%s", arguments, italian ? ", in Italian" : "")
                << QString(arguments).split(' ') << italian << status << QString(out) << error;
    }
    void theCommandLineIsAnsweredBeforeAnythingStarts() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, italian);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const SettingsPaths paths{dir.filePath("system.conf"), dir.filePath("user.conf")};
        QVERIFY(place(paths.user, "file", "number-pad=sometimes\n")); // never read here
        const StartUp s = setUpClassroom(QStringList{"frazioni"} + arguments, paths,
                                         italian ? Language::Italian : Language::English);
        QCOMPARE(s.exitStatus, std::optional<int>(status));
        QVERIFY2(QString::fromStdString(s.out).startsWith(out), s.out.c_str());
        QCOMPARE(QString::fromStdString(s.errors), error);
        if (out.startsWith("U")) // the help names both files and every option with its default
            for (const QString& part :
                 {paths.system, paths.user, QString("--number-pad=auto|always|never"),
                  QString("--read-aloud=off|on"), QString("/etc/frazioni/suoni")})
                QVERIFY2(s.out.find(part.toStdString()) != std::string::npos, qPrintable(part));
    }

    // The manual pages follow LC_ALL, else LC_MESSAGES, else LANG; so does the program.
    void theLocaleChoosesTheLanguage() {
        QCOMPARE(messageLanguage("", "", "it_IT.UTF-8"), Language::Italian);
        QCOMPARE(messageLanguage("", "it_CH", "en_GB.UTF-8"), Language::Italian);
        QCOMPARE(messageLanguage("C", "it_IT", "it_IT"), Language::English);
        QCOMPARE(messageLanguage("", "", "it"), Language::Italian);
        QCOMPARE(messageLanguage("", "", "iu_CA"), Language::English);
        QCOMPARE(messageLanguage("", "", ""), Language::English);
    }

    // The files are the ones QSettings would read for "frazioni", found without QSettings,
    // which reads a file as soon as it is made.
    void theFilesAreWhereQSettingsKeepsThem() {
        QTemporaryDir dir;
        for (const QByteArray& dirs :
             {dir.filePath("a").toUtf8() + ':' + dir.filePath("b").toUtf8(), QByteArray()}) {
            qputenv("XDG_CONFIG_HOME", dir.filePath("home").toUtf8());
            qputenv("XDG_CONFIG_DIRS", dirs);
            const SettingsPaths paths = settingsPaths();
            QCOMPARE(paths.system, QSettings(QSettings::NativeFormat, QSettings::SystemScope,
                                             "frazioni", "frazioni")
                                       .fileName());
            QCOMPARE(paths.user, QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                           "frazioni", "frazioni")
                                     .fileName());
        }
    }

    // The program itself, on the X11 platform with no display: making a window would abort it.
    // Pins a fault: --help and --version opened the full-screen exercise.
    void theProgramAnswersWithNoDisplayAndNoSound_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");
        const std::tuple<const char*, const char*, int, const char*, const char*> rows[] = {
            {"--help", "C.UTF-8", 0, "Usage: frazioni", ""},
            {"--help", "it_IT.UTF-8", 0, "Uso: frazioni", ""},
            {"--version", "C.UTF-8", 0, "frazioni 1.", ""},
            {"--number-pad=sempre", "C.UTF-8", 2, "", "frazioni: --number-pad=sempre: "}};
        for (const auto& [arguments, lang, status, out, error] : rows)
            QTest::addRow("%s %s", arguments, lang) << QStringList{arguments} << QString(lang)
                                                    << status << QString(out) << QString(error);
    }
    void theProgramAnswersWithNoDisplayAndNoSound() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lang);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("LANG", lang);
        env.insert("XDG_CONFIG_HOME", dir.path());
        env.insert("SDL_AUDIODRIVER", "disk");
        env.insert("SDL_DISKAUDIOFILE", dir.filePath("sound.raw"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(FRAZIONI_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(10000));
        const QString stdOut = program.readAllStandardOutput();
        const QString stdErr = program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == status, qPrintable(stdErr));
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(error.isEmpty() ? stdErr.isEmpty()
                                 : stdErr.startsWith(error) && stdErr.count('\n') == 1,
                 qPrintable(stdErr));
        QVERIFY(!QFile::exists(dir.filePath("sound.raw")));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
