// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingmessages.h"

#include "core/common/wordlist.h"

#include <array>
#include <vector>

namespace {

using Lines = std::vector<std::string_view>;

// A value shown back in a message: a file can hold anything, and one line
// must stay one readable line.
constexpr std::size_t kShownLength = 60;
constexpr std::size_t kKiB = 1024;

struct Wording {
    std::string_view english;
    std::string_view italian;
    std::string_view in(Language language) const {
        return language == Language::Italian ? italian : english;
    }
};

struct OptionHelp {
    std::string_view key;
    Lines english;
    Lines italian;
};

const std::array<OptionHelp, 3> kOptionHelp = {{
    {settingkeys::kNumberPad,
     {"when the exercise shows its on-screen number pad: auto on a touch",
      "screen and from the first touch on, always (for whiteboards whose pen",
      "acts as a mouse) or never"},
     {"quando l'esercizio mostra il tastierino numerico sullo schermo: auto",
      "su uno schermo tattile e dal primo tocco in poi, always (per le LIM",
      "la cui penna fa da mouse) o never"}},
    {settingkeys::kReadAloud,
     {"whether each new question is read aloud as it appears"},
     {"se ogni nuova domanda viene letta ad alta voce appena compare"}},
    {settingkeys::kSoundsFolder,
     {"the school's own sounds: a WAV file there with the name of one of the",
      "program's sounds (esatto.wav, premivia.wav ...) plays in its place"},
     {"i suoni propri della scuola: un file WAV lì con il nome di uno dei",
      "suoni del programma (esatto.wav, premivia.wav ...) suona al suo posto"}},
}};

constexpr Wording kUsage = {"Usage", "Uso"};
constexpr Wording kOptionWord = {"OPTION", "OPZIONE"};
constexpr Wording kAbout = {
    "Frazioni di segmenti: a full-screen exercise in Italian on fractions of\n"
    "segments, for primary-school pupils. Its FINE button ends it.\n",
    "Frazioni di segmenti: esercizi a tutto schermo sulle frazioni di\n"
    "segmenti, per gli alunni della scuola primaria. Il pulsante FINE lo chiude.\n"};
constexpr Wording kOptions = {"Options:", "Opzioni:"};
constexpr Wording kDefault = {"default", "predefinito"};
constexpr Wording kHelpLine = {"show this help and exit", "mostra questo aiuto ed esce"};
constexpr Wording kVersionLine = {"show the version and exit", "mostra la versione ed esce"};
constexpr Wording kFilesIntro = {"The same settings, as lines such as \"number-pad=always\", go in",
                                 "Le stesse impostazioni, come righe del tipo "
                                 "\"number-pad=always\", vanno in"};
constexpr Wording kSystemFile = {"for every user of this computer",
                                 "per tutti gli utenti di questo computer"};
constexpr Wording kUserFile = {"for this user, over the computer's file",
                               "per questo utente, sopra il file del computer"};
constexpr Wording kFilesOutro = {
    "and an option on the command line wins over both. See \"man frazioni\".",
    "e un'opzione sulla riga di comando vale più di entrambi. Vedi \"man frazioni\"."};
constexpr Wording kHint = {"Try 'frazioni --help'.", "Vedi 'frazioni --help'."};
constexpr Wording kMustBe = {"the value must be", "il valore dev'essere"};
constexpr Wording kNeedsValue = {"needs a value", "vuole un valore"};
constexpr Wording kUnknownOption = {"unknown option", "opzione sconosciuta"};
constexpr Wording kTheOptions = {"the options are", "le opzioni sono"};
constexpr Wording kTakesNoValue = {"takes no value", "non vuole un valore"};
constexpr Wording kUnexpectedArgument = {"unexpected argument", "argomento inatteso"};
constexpr Wording kOnlyOptions = {"the program takes only options",
                                  "il programma accetta solo opzioni"};
constexpr Wording kAnd = {" and ", " e "};
constexpr Wording kStays = {"stays", "resta"};
constexpr Wording kUnknownKey = {"unknown key", "chiave sconosciuta"};
constexpr Wording kTheKeys = {"the keys are", "le chiavi sono"};
constexpr Wording kIgnored = {"ignored", "ignorata"};
constexpr Wording kMore = {"more lines not used", "altre righe non usate"};
constexpr Wording kNoneUsed = {"none of its settings is used", "nessuna sua impostazione è usata"};
constexpr Wording kFolder = {"a folder, not a file", "è una cartella, non un file"};
constexpr Wording kNotAFile = {"not an ordinary file", "non è un file normale"};
constexpr Wording kUnreadable = {"cannot be read", "non si può leggere"};
constexpr Wording kLargerThan = {"larger than", "più grande di"};
constexpr Wording kTooLarge = {"too large for a settings file",
                               "troppo per un file di impostazioni"};
constexpr Wording kNotText = {"not a text file", "non è un file di testo"};
constexpr Wording kNotIni = {"not in the INI format of a settings file",
                             "non è nel formato INI di un file di impostazioni"};

constexpr std::string_view kIndent = "  ";
constexpr std::string_view kDescriptionIndent = "      ";

// `text` as one printable line of at most kShownLength characters.
std::string shown(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, kShownLength))
        out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    return text.size() > kShownLength ? out + "..." : out;
}

std::string option(std::string_view key) {
    return "--" + std::string(key);
}

std::string line(std::string_view text) {
    return std::string(kProgramName) + ": " + std::string(text) + "\n";
}

std::string withHint(std::string_view text, Language language) {
    return line(std::string(text) + ". " + std::string(kHint.in(language)));
}

std::string optionList(Language language) {
    std::vector<std::string> names;
    for (const std::string_view key : settingkeys::kAll)
        names.push_back(option(key));
    names.push_back("--help");
    names.push_back("--version");
    return wordList(names, kAnd.in(language));
}

void addDescription(std::string& text, std::string_view description) {
    text += std::string(kDescriptionIndent) + std::string(description) + "\n";
}

void addDescription(std::string& text, const Lines& lines) {
    for (const std::string_view l : lines)
        addDescription(text, l);
}

} // namespace

std::string usageText(Language language, std::string_view systemFile, std::string_view userFile) {
    const ClassroomSettings defaults;
    std::string text = std::string(kUsage.in(language)) + ": " + std::string(kProgramName) + " [" +
                       std::string(kOptionWord.in(language)) + "]...\n" +
                       std::string(kAbout.in(language)) + "\n" +
                       std::string(kOptions.in(language)) + "\n";
    for (const OptionHelp& help : kOptionHelp) {
        text +=
            std::string(kIndent) + option(help.key) + "=" + valueSyntax(help.key, language) + "\n";
        addDescription(text, language == Language::Italian ? help.italian : help.english);
        addDescription(text,
                       std::string(kDefault.in(language)) + ": " + settingText(defaults, help.key));
    }
    text += std::string(kIndent) + "-h, --help\n";
    addDescription(text, kHelpLine.in(language));
    text += std::string(kIndent) + "-v, --version\n";
    addDescription(text, kVersionLine.in(language));
    text += "\n" + std::string(kFilesIntro.in(language)) + "\n";
    text += std::string(kIndent) + std::string(systemFile) + "\n";
    addDescription(text, kSystemFile.in(language));
    text += std::string(kIndent) + std::string(userFile) + "\n";
    addDescription(text, kUserFile.in(language));
    return text + std::string(kFilesOutro.in(language)) + "\n";
}

std::string versionText(std::string_view version) {
    return std::string(kProgramName) + " " + std::string(version) + "\n";
}

std::string badOptionValueLine(std::string_view key, std::string_view value, Language language) {
    return withHint(option(key) + "=" + shown(value) + ": " + std::string(kMustBe.in(language)) +
                        " " + acceptedValues(key, language),
                    language);
}

std::string missingValueLine(std::string_view key, Language language) {
    return withHint(option(key) + " " + std::string(kNeedsValue.in(language)) + ": " +
                        acceptedValues(key, language),
                    language);
}

std::string unknownOptionLine(std::string_view name, Language language) {
    return withHint(std::string(kUnknownOption.in(language)) + " " + shown(name) + ": " +
                        std::string(kTheOptions.in(language)) + " " + optionList(language),
                    language);
}

std::string unexpectedValueLine(std::string_view name, Language language) {
    return withHint(shown(name) + " " + std::string(kTakesNoValue.in(language)), language);
}

std::string unexpectedArgumentLine(std::string_view argument, Language language) {
    return withHint(std::string(kUnexpectedArgument.in(language)) + " '" + shown(argument) +
                        "': " + std::string(kOnlyOptions.in(language)),
                    language);
}

std::string commandLineErrorLine(std::string_view text, Language language) {
    std::string_view trimmed = text;
    while (trimmed.ends_with('.'))
        trimmed.remove_suffix(1);
    return withHint(shown(trimmed), language);
}

std::string fileProblemLine(std::string_view path, FileProblem problem, std::string_view reason,
                            Language language) {
    std::string what;
    switch (problem) {
    case FileProblem::Folder:
        what = kFolder.in(language);
        break;
    case FileProblem::NotAFile:
        what = kNotAFile.in(language);
        break;
    case FileProblem::Unreadable:
        what = std::string(kUnreadable.in(language)) + " (" + std::string(reason) + ")";
        break;
    case FileProblem::TooLarge:
        what = std::string(kLargerThan.in(language)) + " " +
               std::to_string(kMaxSettingsFileBytes / kKiB) + " KiB, " +
               std::string(kTooLarge.in(language));
        break;
    case FileProblem::NotText:
        what = kNotText.in(language);
        break;
    case FileProblem::NotIni:
    case FileProblem::None:
        what = kNotIni.in(language);
        break;
    }
    return line(std::string(path) + ": " + what + "; " + std::string(kNoneUsed.in(language)));
}

std::string badValueInFileLine(std::string_view path, std::string_view key, std::string_view value,
                               std::string_view kept, Language language) {
    return line(std::string(path) + ": " + std::string(key) + "=" + shown(value) + ": " +
                std::string(kMustBe.in(language)) + " " + acceptedValues(key, language) + "; " +
                std::string(key) + " " + std::string(kStays.in(language)) + " " + shown(kept));
}

std::string unknownKeyLine(std::string_view path, std::string_view key, std::string_view value,
                           Language language) {
    return line(std::string(path) + ": " + std::string(kUnknownKey.in(language)) + " " +
                shown(key) + "=" + shown(value) + ": " + std::string(kTheKeys.in(language)) + " " +
                wordList(settingkeys::kAll, kAnd.in(language)) + "; " +
                std::string(kIgnored.in(language)));
}

std::string moreUnusedLine(std::string_view path, std::size_t count, Language language) {
    return line(std::string(path) + ": " + std::to_string(count) + " " +
                std::string(kMore.in(language)));
}
