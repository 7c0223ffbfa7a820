// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/spokentext.h"

#include "core/common/numbertext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace {

constexpr std::array<std::string_view, 20> kUnits = {
    "zero",        "uno",      "due",    "tre",         "quattro",  "cinque",    "sei",
    "sette",       "otto",     "nove",   "dieci",       "undici",   "dodici",    "tredici",
    "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
constexpr std::array<std::string_view, 10> kTens = {"",         "",          "venti",    "trenta",
                                                    "quaranta", "cinquanta", "sessanta", "settanta",
                                                    "ottanta",  "novanta"};
// The ordinals that are words of their own; the others add "-esimo".
constexpr std::array<std::string_view, 11> kOrdinals = {"",       "primo",  "secondo", "terzo",
                                                        "quarto", "quinto", "sesto",   "settimo",
                                                        "ottavo", "nono",   "decimo"};

// The nouns the windows count, by gender: "1" before them is read "una"
// ("una serie", "una unità") or "un" ("un segmento"), and "uno" before anything else.
constexpr std::array<std::string_view, 10> kFeminine = {"unità",   "serie", "domanda", "risposta",
                                                        "altezza", "base",  "somma",   "differenza",
                                                        "parte",   "volta"};
constexpr std::array<std::string_view, 7> kMasculine = {
    "segmento", "rettangolo", "perimetro", "errore", "secondo", "record", "tasto"};

constexpr std::string_view kDegree = "\xC2\xB0";   // °
constexpr std::string_view kOrdinalO = "\xC2\xBA"; // º, the masculine ordinal sign
constexpr long long kMaxWords = 999'999'999;

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// Letters of a word: ASCII letters and the bytes of accented letters (à, è, ù ...).
// The degree and ordinal signs are not letters.
bool isWordByte(std::string_view s, std::size_t i) {
    if (isAsciiLetter(s[i]))
        return true;
    if (static_cast<unsigned char>(s[i]) < 0x80)
        return false;
    const std::string_view rest = s.substr(i);
    return !rest.starts_with(kDegree) && !rest.starts_with(kOrdinalO) &&
           !(i > 0 &&
             (s.substr(i - 1).starts_with(kDegree) || s.substr(i - 1).starts_with(kOrdinalO)));
}

void dropLast(std::string& s) {
    if (!s.empty())
        s.pop_back();
}

// 0..999 in words, every "tre" without its accent; 0 gives "".
std::string belowThousand(long long n) {
    std::string hundreds;
    if (n >= 100)
        hundreds =
            n < 200 ? "cento" : std::string(kUnits[static_cast<std::size_t>(n / 100)]) + "cento";
    const auto r = static_cast<std::size_t>(n % 100);
    std::string rest;
    if (r > 0 && r < 20) {
        rest = kUnits[r];
    } else if (r >= 20) {
        rest = kTens[r / 10];
        const std::size_t unit = r % 10;
        // "ventuno", "ventotto": the tens lose their vowel before a vowel.
        if (unit == 1 || unit == 8)
            dropLast(rest);
        if (unit > 0)
            rest += kUnits[unit];
    }
    // "centotto", "centottanta".
    if (!hundreds.empty() && rest.starts_with('o'))
        dropLast(hundreds);
    return hundreds + rest;
}

// "ventuno" before "mila" or "milioni" becomes "ventun".
std::string beforeMultiplier(std::string words) {
    if (words.ends_with("uno"))
        dropLast(words);
    return words;
}

std::string wordsWithoutAccent(long long n) {
    if (n == 0)
        return "zero";
    std::string words;
    if (n >= 1'000'000) {
        const long long millions = n / 1'000'000;
        words =
            millions == 1 ? "un milione" : beforeMultiplier(belowThousand(millions)) + " milioni";
        n %= 1'000'000;
        if (n > 0)
            words += ' ';
    }
    if (n >= 1000) {
        const long long thousands = n / 1000;
        words += thousands == 1 ? "mille" : beforeMultiplier(belowThousand(thousands)) + "mila";
        n %= 1000;
    }
    return words + belowThousand(n);
}

// The ordinal of a whole number, masculine: "primo", "ottavo", "undicesimo".
std::string ordinal(long long n, bool plural) {
    std::string word;
    if (n >= 1 && n < static_cast<long long>(kOrdinals.size())) {
        word = kOrdinals[static_cast<std::size_t>(n)];
    } else {
        word = wordsWithoutAccent(n);
        // "ventitreesimo", "ventiseiesimo" keep their last vowel; the others drop it.
        if (!word.ends_with("tre") && !word.ends_with("sei"))
            dropLast(word);
        word += "esimo";
    }
    if (plural) {
        dropLast(word);
        word += 'i';
    }
    return word;
}

// The denominator of a fraction: "mezzo" or "mezzi" for 2, otherwise the ordinal.
std::string denominator(long long n, bool plural) {
    if (n == 2)
        return plural ? "mezzi" : "mezzo";
    return ordinal(n, plural);
}

struct Reader {
    std::string_view s;
    std::size_t i = 0;
    std::string out;

    bool at(std::string_view what) const { return s.substr(i).starts_with(what); }
    bool atDigit() const { return i < s.size() && isDigit(s[i]); }

    // The run of digits at the reader, as written.
    std::string digits() {
        std::string d;
        while (atDigit())
            d += s[i++];
        return d;
    }

    void put(std::string_view words) {
        if (!out.empty() && out.back() != ' ' && !words.empty())
            out += ' ';
        out += words;
    }

    static long long value(const std::string& d) {
        if (d.size() > 9)
            return -1;
        return std::stoll(d);
    }
    static std::string cardinal(const std::string& d) {
        const long long v = value(d);
        return v < 0 ? digitByDigit(d) : numberWords(v);
    }
    static std::string digitByDigit(const std::string& d) {
        std::string words;
        for (char c : d)
            words += std::string(words.empty() ? "" : " ") +
                     std::string(kUnits[static_cast<std::size_t>(c - '0')]);
        return words;
    }
    // The decimals after a comma: their leading zeros one by one, then the rest
    // as a number, as a teacher reads "4,05": "quattro virgola zero cinque".
    static std::string decimals(const std::string& d) {
        std::string words;
        std::size_t z = 0;
        for (; z + 1 < d.size() && d[z] == '0'; ++z)
            words += "zero ";
        return words + cardinal(d.substr(z));
    }

    // A unit after a number, with blanks between or none: its name, or "".
    std::string unitAfter(bool one) {
        static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kUnitNames = {
            {{"cm", "centimetr"}, {"mm", "millimetr"}, {"dm", "decimetr"}}};
        std::size_t j = i;
        while (j < s.size() && s[j] == ' ')
            ++j;
        for (const auto& [symbol, name] : kUnitNames) {
            const std::size_t end = j + symbol.size();
            if (s.substr(j).starts_with(symbol) && (end >= s.size() || !isWordByte(s, end))) {
                i = end;
                return std::string(name) + (one ? "o" : "i");
            }
        }
        return "";
    }

    // The word after the reader, past blanks, as written.
    std::string_view nextWord() const {
        std::size_t j = i;
        while (j < s.size() && s[j] == ' ')
            ++j;
        std::size_t end = j;
        while (end < s.size() && isWordByte(s, end))
            ++end;
        return s.substr(j, end - j);
    }
    // "1" counting the noun that follows it.
    std::string oneBeforeNoun() const {
        const std::string_view noun = nextWord();
        if (std::find(kFeminine.begin(), kFeminine.end(), noun) != kFeminine.end())
            return "una";
        if (std::find(kMasculine.begin(), kMasculine.end(), noun) != kMasculine.end())
            return "un";
        return "uno";
    }

    void number() {
        const std::string whole = digits();
        const bool one = value(whole) == 1;
        if (at("/") && i + 1 < s.size() && isDigit(s[i + 1])) {
            ++i;
            const std::string below = digits();
            const long long d = value(below);
            if (d >= 2) {
                put(one ? "un" : cardinal(whole));
                put(denominator(d, !one));
            } else {
                put(cardinal(whole) + " fratto " + cardinal(below));
            }
            return;
        }
        if (at(kDegree) || at(kOrdinalO)) {
            i += kDegree.size();
            const long long v = value(whole);
            put(v >= 1 ? ordinal(v, false) : cardinal(whole));
            return;
        }
        bool decimal = false;
        if (at(",") && i + 1 < s.size() && isDigit(s[i + 1])) {
            ++i;
            put(cardinal(whole) + " virgola " + decimals(digits()));
            decimal = true;
        }
        const std::string unit = unitAfter(one && !decimal);
        if (!decimal)
            put(!one ? cardinal(whole) : unit.empty() ? oneBeforeNoun() : "un");
        put(unit);
    }

    void word() {
        const std::size_t start = i;
        while (i < s.size() && isWordByte(s, i))
            ++i;
        std::string w(s.substr(start, i - start));
        if ((w == "n" || w == "N") && (at(kDegree) || at(kOrdinalO))) {
            i += kDegree.size();
            put("numero");
            return;
        }
        bool capitals = w.size() >= 2;
        for (char c : w)
            capitals =
                capitals && !(c >= 'a' && c <= 'z') && !(static_cast<unsigned char>(c) >= 0x80);
        if (capitals)
            for (char& c : w)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!out.empty() && out.back() != ' ' && out.back() != '\'')
            out += ' ';
        out += w;
    }

    void other() {
        const char c = s[i++];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else if (c == '!' && !out.empty() && out.back() == '!') {
            // "ottimo!!!" is said once, as "ottimo!".
        } else if (c == '/' || c == '\xC2') {
            // A "/" that is no fraction, or a degree or ordinal sign after no number,
            // says nothing; a blank keeps the words apart.
            if (c == '\xC2' && i < s.size())
                ++i;
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            // Punctuation sticks to the word before it.
            if (!out.empty() && out.back() == ' ' && c != '\'')
                out.pop_back();
            out += c;
        }
    }

    std::string read() {
        while (i < s.size()) {
            if (atDigit())
                number();
            else if (isWordByte(s, i))
                word();
            else
                other();
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        return out;
    }
};

} // namespace

std::string numberWords(long long n) {
    if (n < 0)
        return "meno " + numberWords(-n);
    if (n > kMaxWords)
        return Reader::digitByDigit(std::to_string(n));
    std::string words = wordsWithoutAccent(n);
    // A "tre" that ends a longer number carries its accent: "ventitré", "centotré".
    if (n > 10 && words.ends_with("tre"))
        words.replace(words.size() - 3, 3, "tré");
    return words;
}

std::string ordinalWord(long long n) {
    return ordinal(n, false);
}

std::string spokenItalian(std::string_view text) {
    return Reader{text, 0, {}}.read();
}

void appendSentence(std::string& text, std::string_view sentence) {
    if (sentence.empty())
        return;
    if (!text.empty())
        text += ' ';
    text += sentence;
    const char last = text.back();
    if (last != '.' && last != '?' && last != '!' && last != ':')
        text += '.';
}
