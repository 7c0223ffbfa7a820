// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingmessages.h"

#include "core/common/wordlist.h"

#include <array>

namespace {

// A value shown back in a message: a file can hold anything, and one line
// must stay one readable line.
constexpr std::size_t kShownLength = 60;
constexpr std::size_t kKiB = 1024;

constexpr std::string_view kIndent = "  ";
constexpr std::string_view kDescriptionIndent = "      ";

// `text` as one printable line of at most kShownLength characters.
std::string shown(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, kShownLength))
        out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    return text.size() > kShownLength ? out + "..." : out;
}

std::string line(std::string_view text) {
    return std::string(kProgramName) + ": " + std::string(text) + "\n";
}

// An option of --help and the lines that describe it.
std::string helpEntry(std::string_view option, std::string_view description) {
    std::string text = std::string(kIndent) + std::string(option) + "\n";
    for (std::size_t start = 0; start < description.size();) {
        const std::size_t end = description.find('\n', start);
        text += std::string(kDescriptionIndent) +
                std::string(description.substr(start, end - start)) + "\n";
        start = end == std::string_view::npos ? description.size() : end + 1;
    }
    return text;
}

const SettingKey* settingOf(std::string_view option) {
    while (option.starts_with('-'))
        option.remove_prefix(1);
    return findSetting(option);
}

} // namespace

std::string fromFile(std::string_view path, std::size_t line, Language language) {
    return Wording{"from ", "da "}.in(language) + std::string(path) + ":" + std::to_string(line);
}

std::string usageText(Language language, const std::vector<std::string>& files) {
    const ClassroomSettings defaults;
    std::string text =
        Wording{"Usage: frazioni [OPTION]...\n"
                "Frazioni di segmenti: a full-screen exercise in Italian on fractions of\n"
                "segments, for primary-school pupils. Its FINE button ends it.\n\nOptions:\n",
                "Uso: frazioni [OPZIONE]...\n"
                "Frazioni di segmenti: esercizi a tutto schermo sulle frazioni di\n"
                "segmenti, per gli alunni della scuola primaria. Il pulsante FINE lo chiude.\n"
                "\nOpzioni:\n"}
            .in(language);
    for (const SettingKey& key : kSettingKeys)
        text +=
            helpEntry("--" + std::string(key.name) + "=" + key.syntax(language),
                      key.help.in(language) + Wording{"default: ", "predefinito: "}.in(language) +
                          key.text(defaults));
    text += helpEntry("--" + std::string(kCheckSettings),
                      Wording{"print the settings in effect, where each comes from, and every\n"
                              "mistake in the settings files, then exit: with status 2 when a\n"
                              "file has a mistake, else 0",
                              "stampa le impostazioni in vigore, da dove viene ognuna, e ogni\n"
                              "errore nei file delle impostazioni, poi esce: con stato 2 se un\n"
                              "file ha un errore, altrimenti 0"}
                          .in(language));
    text +=
        helpEntry("-h, --help",
                  Wording{"show this help and exit", "mostra questo aiuto ed esce"}.in(language));
    text +=
        helpEntry("-v, --version",
                  Wording{"show the version and exit", "mostra la versione ed esce"}.in(language));
    text += Wording{"\nThe same settings, as lines such as \"number-pad=always\", go in this\n"
                    "user's file, then in this computer's files for every user, each file\n"
                    "over the ones after it:\n",
                    "\nLe stesse impostazioni, come righe del tipo \"number-pad=always\", vanno\n"
                    "nel file di questo utente, poi nei file di questo computer per tutti gli\n"
                    "utenti, ogni file sopra quelli che lo seguono:\n"}
                .in(language);
    for (const std::string& file : files)
        text += std::string(kIndent) + file + "\n";
    return text + Wording{"and an option on the command line wins over them all. See \"man "
                          "frazioni\".\n",
                          "e un'opzione sulla riga di comando vale più di tutti. Vedi \"man "
                          "frazioni\".\n"}
                      .in(language);
}

std::string versionText(std::string_view version) {
    return std::string(kProgramName) + " " + std::string(version) + "\n";
}

std::string checkText(const ClassroomSetup& setup) {
    std::string text;
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i)
        text += std::string(kSettingKeys[i].name) + "=" + kSettingKeys[i].text(setup.settings) +
                " # " + setup.origins.at(i) + "\n";
    return text;
}

std::string commandLineLine(CommandLineProblem problem, std::string_view option,
                            std::string_view value, Language language) {
    const SettingKey* key = settingOf(option);
    const std::string accepted = key == nullptr ? "" : ": " + key->accepted(language);
    std::string text;
    switch (problem) {
    case CommandLineProblem::BadValue:
        text = std::string(option) + "=" + shown(value) +
               Wording{": the value must be ", ": il valore dev'essere "}.in(language) +
               key->accepted(language);
        break;
    case CommandLineProblem::NeedsValue:
        text =
            shown(option) + Wording{" needs a value", " vuole un valore"}.in(language) + accepted;
        break;
    case CommandLineProblem::UnknownOption: {
        std::vector<std::string> options;
        for (const SettingKey& k : kSettingKeys)
            options.push_back("--" + std::string(k.name));
        options.push_back("--" + std::string(kCheckSettings));
        options.push_back("--help");
        options.push_back("--version");
        text = Wording{"unknown option ", "opzione sconosciuta "}.in(language) + shown(option) +
               Wording{": the options are ", ": le opzioni sono "}.in(language) +
               wordList(options, Wording{" and ", " e "}.in(language));
        break;
    }
    case CommandLineProblem::TakesNoValue:
        text = shown(option) + Wording{" takes no value", " non vuole un valore"}.in(language);
        break;
    case CommandLineProblem::Unexpected:
        text =
            Wording{"unexpected argument '", "argomento inatteso '"}.in(language) + shown(option) +
            Wording{"': the program takes only options", "': il programma accetta solo opzioni"}.in(
                language);
        break;
    }
    return line(text + ". " +
                Wording{"Try 'frazioni --help'.", "Vedi 'frazioni --help'."}.in(language));
}

std::string fileProblemLine(std::string_view path, FileProblem problem, std::string_view reason,
                            Language language) {
    // In the order of FileProblem.
    constexpr std::array<Wording, 6> kProblems = {{
        {"", ""},
        {"a folder, not a file", "è una cartella, non un file"},
        {"not an ordinary file", "non è un file normale"},
        {"cannot be read (", "non si può leggere ("},
        {"too large for a settings file, over ", "troppo per un file di impostazioni, oltre "},
        {"not a text file", "non è un file di testo"},
    }};
    std::string what = kProblems.at(std::size_t(problem)).in(language);
    if (problem == FileProblem::Unreadable)
        what += std::string(reason) + ")";
    if (problem == FileProblem::TooLarge)
        what += std::to_string(kMaxSettingsFileBytes / kKiB) + " KiB";
    return line(std::string(path) + ": " + what +
                Wording{"; none of its settings is used", "; nessuna sua impostazione è usata"}.in(
                    language));
}

std::string unusedEntryLine(std::string_view path, const SettingEntry& entry,
                            const ClassroomSetup& setup, Language language) {
    const std::string where = std::string(path) + ":" + std::to_string(entry.line) + ": ";
    const SettingKey* key = findSetting(entry.key);
    if (key == nullptr) {
        std::vector<std::string_view> keys;
        for (const SettingKey& k : kSettingKeys)
            keys.push_back(k.name);
        return line(where + Wording{"unknown key ", "chiave sconosciuta "}.in(language) +
                    shown(entry.key) +
                    Wording{": the keys are ", ": le chiavi sono "}.in(language) +
                    wordList(keys, Wording{" and ", " e "}.in(language)) +
                    Wording{"; line not used", "; riga non usata"}.in(language));
    }
    const std::size_t index = std::size_t(key - kSettingKeys.data());
    return line(where + entry.key + "=" + shown(entry.value) +
                Wording{": the value must be ", ": il valore dev'essere "}.in(language) +
                key->accepted(language) + "; " + entry.key + Wording{" is ", " è "}.in(language) +
                shown(key->text(setup.settings)) + ", " + setup.origins.at(index));
}

std::string moreUnusedLine(std::string_view path, std::size_t count, Language language) {
    return line(std::string(path) + ": " + std::to_string(count) +
                Wording{" more lines not used", " altre righe non usate"}.in(language));
}

std::string noSoundLine(std::string_view library, std::string_view missing, Language language) {
    return line(Wording{"no sound: ", "niente suono: "}.in(language) + std::string(library) +
                (missing.empty() ? "" : Wording{" has no ", " non ha "}.in(language)) +
                std::string(missing));
}
