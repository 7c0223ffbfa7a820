// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom settings: the machine's file, the user's file and the command line, in every
// order of precedence, and every way a file or an option can be wrong; then the program itself,
// which must answer --help, --version and a mistake with no display, no window and no sound.
#include "core/settings/settingkeys.h"
#include "core/settings/settingsfiles.h"
#include "skin/settings/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray kAll =
    "number-pad=always\nread-aloud=on\nread-aloud-rate=normal\nsounds-folder=/srv/suoni\n";

// The settings as one text: "always on normal /srv/suoni".
QString described(const ClassroomSettings& settings) {
    QStringList values;
    for (const SettingKey& key : kSettingKeys)
        values << QString::fromStdString(key.text(settings));
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
        QTest::addColumn<QString>("out");       // with --check-settings: what it prints first
        const QString defaults = "auto off slow /etc/frazioni/suoni",
                      all = "always on normal /srv/suoni";
        // A row with nothing or a file at the user's file's path; the arguments split at blanks.
        // In the lines and the output, %1 stands for the folder of both files.
        auto add = [&](const char* name, const QByteArray& system, const QByteArray& user,
                       const QString& arguments, const QString& settings,
                       const QStringList& lines = {}, const QString& out = {}) {
            QTest::newRow(name) << system << (user.isNull() ? "none" : "file") << user
                                << arguments.split(' ', Qt::SkipEmptyParts) << settings << lines
                                << out;
        };
        add("defaults", {}, {}, "", defaults);
        add("the command line", {}, {},
            "--number-pad=always --read-aloud on -read-aloud-rate=Normal -sounds-folder=/srv/suoni",
            all);
        add("the user's file over the machine's", kAll, "number-pad=never\nread-aloud=off\n", "",
            "never off normal /srv/suoni");
        add("the command line over the user's file", {}, kAll, "--sounds-folder=/media/suoni/",
            "always on normal /media/suoni/");
        add("the command line over both, the last of an option counting", "number-pad=always\n",
            "number-pad=never\n", "--number-pad=never --number-pad=auto", defaults);
        // Pins a fault: "number-pad=always   # LIM" was refused as a bad value.
        add("the whiteboard classroom's file, as the manual shows it, checked",
            "# The whiteboard classroom.\n; Number pad:\nnumber-pad=always   # LIM\n", {},
            "--check-settings", "always off slow /etc/frazioni/suoni", {},
            "number-pad=always # from %1/system.conf:3\nread-aloud=off # by default\n");
        add("words in any case, blanks around them, Windows' line ends",
            "\xEF\xBB\xBF number-pad = ALWAYS\r\n\tread-aloud=On\t\r\nread-aloud-rate=slow\n", {},
            "", "always on slow /etc/frazioni/suoni");
        // Letters of two, three and four bytes. Pins a fault: a comma became ", " and a
        // semicolon cut the folder's name.
        add("a folder named in any script, with a comma, a semicolon and a #", {},
            "sounds-folder=/srv/città,3ª;ठ/#𝄞 ;x # not the folder's\n", "",
            "auto off slow /srv/città,3ª;ठ/#𝄞 ;x");
        add("Qt's own options let through", {}, {}, "-platform offscreen -reverse --style=Fusion",
            defaults);

        const QString user = "user.conf:";
        add("a bad value in the user's file keeps the machine's", kAll, "number-pad=sometimes\n",
            "--check-settings", all,
            {user + "1: number-pad=sometimes: the value must be auto, always or never; number-pad "
                    "is always, from %1/system.conf:1\n"},
            "number-pad=always # from %1/system.conf:1\nread-aloud=on # from %1/system.conf:2\n");
        // Pins a fault: the line named the value that "stays" before the command line counted.
        add("a bad value told with what the command line makes of it", kAll,
            "read-aloud-rate=fast\n", "--read-aloud-rate=slow", "always on slow /srv/suoni",
            {user + "1: read-aloud-rate=fast: the value must be slow or normal; read-aloud-rate is "
                    "slow, from the command line\n"});
        add("a bad value of each key keeps the default", {},
            "read-aloud=yes\nsounds-folder=suoni\nnumber-pad=\n", "", defaults,
            {user + "1: read-aloud=yes: the value must be off or on; read-aloud is off, by default",
             user + "2: sounds-folder=suoni: the value must be the full path of a folder, starting "
                    "with /; sounds-folder is /etc/frazioni/suoni, by default",
             user + "3: number-pad=: the value must be auto, always or never"});
        add("unknown keys, the good ones used", {},
            "numberpad=always\nread-aloud=on\n[scuola]\nnumber-pad=never\n", "",
            "never on slow /etc/frazioni/suoni",
            {user +
                 "1: unknown key numberpad: the keys are number-pad, read-aloud, read-aloud-rate "
                 "and sounds-folder; line not used",
             user + "3: unknown key [scuola]"});
        add("a value with a tab shown on one line, long ones cut", {},
            "number-pad=a\tb\nread-aloud=" + QByteArray(100, 'x') + "\n", "", defaults,
            {user + "1: number-pad=a?b: ",
             user + "2: read-aloud=" + QString(60, 'x') + "...: the value"});
        QByteArray text;
        for (int i = 0; i < 8; ++i)
            text += "line" + QByteArray::number(i) + "=x\n";
        add("a text that is not settings: five lines, then how many more", {},
            text + "read-aloud=on\n", "", "auto on slow /etc/frazioni/suoni",
            {"line0", "line1", "line2", "line3", "line4", "user.conf: 3 more lines"});
        const QString noneUsed = "; none of its settings is used\n";
        const std::tuple<const char*, const char*, QByteArray, QString> bad[] = {
            {"a folder", "folder", {}, "a folder, not a file"},
            {"a pipe", "pipe", {}, "not an ordinary file"}, // opening it must not wait
            {"a file that cannot be read", "unreadable", kAll,
             "cannot be read (Permission denied)"},
            {"random bytes", "file", randomBytes(4096), "not a text file"},
            {"10 MiB", "file", kAll.repeated(10 * 1024 * 1024 / kAll.size()),
             "too large for a settings file, over 64 KiB"}};
        for (const auto& [name, node, content, why] : bad) {
            QTest::newRow(name) << QByteArray("read-aloud=on\n") << node << content << QStringList()
                                << "auto on slow /etc/frazioni/suoni"
                                << QStringList{"user.conf: " + why +
                                               (why.endsWith(')') ? noneUsed : "")}
                                << QString();
        }
    }
    void eachSettingComesFromTheFirstPlaceThatGivesIt() {
        QFETCH(QByteArray, system);
        QFETCH(QString, userNode);
        QFETCH(QByteArray, user);
        QFETCH(QStringList, arguments);
        QFETCH(QString, settings);
        QFETCH(QStringList, lines);
        QFETCH(QString, out);
        QTemporaryDir dir;
        const QString systemFile = dir.filePath("system.conf"),
                      userFile = dir.filePath("user.conf");
        QVERIFY(place(systemFile, system.isNull() ? "none" : "file", system));
        QVERIFY(place(userFile, userNode, user));
        const StartUp s =
            setUpClassroom(QStringList{"frazioni"} + arguments,
                           {userFile.toStdString(), systemFile.toStdString()}, Language::English);
        // Checking the settings ends the program, with status 2 when a file has a mistake.
        QCOMPARE(s.exitStatus,
                 out.isEmpty() ? std::nullopt : std::optional(lines.isEmpty() ? 0 : 2));
        QVERIFY2(QString::fromStdString(s.out).startsWith(QString(out).replace("%1", dir.path())),
                 s.out.c_str());
        QCOMPARE(described(s.settings), settings);
        const QStringList got = QString::fromStdString(s.errors).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(got.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(got[i].startsWith("frazioni: " + dir.path() + '/'), qPrintable(got[i]));
            QVERIFY2((got[i] + '\n').contains(QString(lines[i]).replace("%1", dir.path())),
                     qPrintable(got[i]));
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
             "--read-aloud-rate, --sounds-folder, --check-settings, --help and --version" +
                 hint},
            // Pins a fault: Qt's English "Missing value after '-platform'" came first.
            {"--read-aloud=on -platform", true, 2, "",
             "frazioni: -platform vuole un valore. Vedi 'frazioni --help'.\n"},
            {"--check-settings=yes", false, 2, "",
             "frazioni: --check-settings takes no value" + hint},
            {"-style=Fusion -reverse --sounds-folder", false, 2, "",
             "frazioni: --sounds-folder needs a value: the full path of a folder, starting with /" +
                 hint},
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
        const std::vector<std::string> files = {dir.filePath("user.conf").toStdString(),
                                                dir.filePath("system.conf").toStdString()};
        QVERIFY(place(dir.filePath("user.conf"), "file", "number-pad=sometimes\n")); // not read
        const StartUp s = setUpClassroom(QStringList{"frazioni"} + arguments, files,
                                         italian ? Language::Italian : Language::English);
        QCOMPARE(s.exitStatus, std::optional<int>(status));
        QVERIFY2(QString::fromStdString(s.out).startsWith(out), s.out.c_str());
        QCOMPARE(QString::fromStdString(s.errors), error);
        if (out.startsWith("U")) // the help names the files and every option with its default
            for (const std::string& part :
                 {files[0] + "\n  " + files[1], std::string("--number-pad=auto|always|never"),
                  std::string("--read-aloud-rate=slow|normal"), std::string("/etc/frazioni/suoni"),
                  std::string("--check-settings")})
                QVERIFY2(s.out.find(part) != std::string::npos, part.c_str());
    }

    // The manual pages follow LC_ALL, else LC_MESSAGES, else LANG; so does the program.
    void theLocaleChoosesTheLanguage() {
        QCOMPARE(messageLanguage("", "", "it_IT.UTF-8"), Language::Italian);
        QCOMPARE(messageLanguage("", "it_CH", "en_GB.UTF-8"), Language::Italian);
        QCOMPARE(messageLanguage("C", "it_IT", "it_IT"), Language::English);
        QCOMPARE(messageLanguage("", "", "it"), Language::Italian);
        QCOMPARE(messageLanguage("", "", "it.UTF-8"), Language::Italian);
        QCOMPARE(messageLanguage("", "", "iu_CA"), Language::English);
        QCOMPARE(messageLanguage("", "", ""), Language::English);
    }

    // The files of the XDG base directory rules: the user's, then one in each folder of the
    // machine's, the first over the others; relative folders are none of theirs.
    void theFilesAreTheXdgOnes_data() {
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<QString>("configDirs");
        QTest::addColumn<QStringList>("folders"); // each holds frazioni/frazioni.conf
        QTest::newRow("neither set") << ""
                                     << "" << QStringList{"/home/u/.config", "/etc/xdg"};
        // Pins a fault: Plasma's first folder was the only one read, so /etc/xdg never was.
        QTest::newRow("Plasma's") << "/home/u/.config"
                                  << "/home/u/.config/kdedefaults:/etc/xdg"
                                  << QStringList{"/home/u/.config", "/home/u/.config/kdedefaults",
                                                 "/etc/xdg"};
        QTest::newRow("relative and repeated folders")
            << "conf"
            << "xdg::/srv/xdg/:/srv/xdg:/home/u/.config"
            << QStringList{"/home/u/.config", "/srv/xdg"};
        QTest::newRow("relative folders only") << "/c"
                                               << "xdg" << QStringList{"/c", "/etc/xdg"};
    }
    void theFilesAreTheXdgOnes() {
        QFETCH(QString, configHome);
        QFETCH(QString, configDirs);
        QFETCH(QStringList, folders);
        QStringList files;
        for (const std::string& file :
             settingsFilePaths(configHome.toStdString(), configDirs.toStdString(), "/home/u"))
            files << QString::fromStdString(file);
        QCOMPARE(files,
                 folders.replaceInStrings(QRegularExpression("$"), "/frazioni/frazioni.conf"));
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
            {"--help", "it_IT.UTF-8", 0, "Uso: frazioni", ""},
            {"--version", "C.UTF-8", 0, "frazioni 1.", ""},
            {"--number-pad=sempre", "C.UTF-8", 2, "", "frazioni: --number-pad=sempre: "},
            // The machine's file in the last folder of XDG_CONFIG_DIRS, a mistake in it.
            {"--check-settings", "C.UTF-8", 2,
             "number-pad=always # from %1/etc/frazioni/frazioni.conf:1\n"
             "read-aloud=off # by default\n",
             "frazioni: %1/etc/frazioni/frazioni.conf:2: read-aloud=si: the value must be off or "
             "on; read-aloud is off, by default\n"}};
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
        env.insert("XDG_CONFIG_DIRS", dir.filePath("kde") + ":xdg:" + dir.filePath("etc"));
        QVERIFY(QDir(dir.path()).mkpath("etc/frazioni"));
        QVERIFY(place(dir.filePath("etc/frazioni/frazioni.conf"), "file",
                      "number-pad=always # LIM\nread-aloud=si\n"));
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
        out.replace("%1", dir.path());
        error.replace("%1", dir.path());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(error.isEmpty() ? stdErr.isEmpty()
                                 : stdErr.startsWith(error) && stdErr.count('\n') == 1,
                 qPrintable(stdErr));
        QVERIFY(!QFile::exists(dir.filePath("sound.raw")));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
