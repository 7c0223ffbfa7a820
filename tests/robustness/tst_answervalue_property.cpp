// SPDX-License-Identifier: GPL-3.0-or-later
// Property tests of answerValue over many generated texts: any bytes at all,
// texts made of the characters numbers are written with, and numbers built
// with a known value. Every case is checked against an independent reading of
// the grammar and exact rounding; a fixed seed makes every run the same.
#include "core/common/numbertext.h"
#include "referencenumber.h"

#include <QTest>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kSeed = 20240611;
constexpr int kByteCases = 30000;
constexpr int kAlphabetCases = 100000;
constexpr int kBuiltCases = 60000;
constexpr std::size_t kMaxByteLength = 40;
constexpr std::size_t kMaxAlphabetLength = 12;
constexpr int kWholeBeyondRange = 40000;
constexpr std::size_t kLongInput = 100000;

using Value = std::optional<std::int16_t>;

QByteArray shown(const std::string& text) {
    return QByteArray::fromStdString(text).toPercentEncoding(" ,.+-");
}

QByteArray shown(const Value& v) {
    return v ? QByteArray::number(*v) : QByteArray("not a number");
}

// Fails the test with the first text on which the two values differ.
#define EXPECT_VALUE(text, actual, expected)                                                       \
    do {                                                                                           \
        const Value a_ = (actual);                                                                 \
        const Value e_ = (expected);                                                               \
        if (a_ != e_)                                                                              \
            QFAIL(QByteArray("\"" + shown(text) + "\" gives " + shown(a_) + ", expected " +        \
                             shown(e_))                                                            \
                      .constData());                                                               \
    } while (false)

class Generator {
  public:
    Generator() : engine_(kSeed) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
    }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    std::string bytes(std::size_t maxLength) {
        std::string s(below(maxLength + 1), '\0');
        for (char& c : s)
            c = static_cast<char>(between(0, 255));
        return s;
    }

    // Texts from the pieces numbers and their typing mistakes are made of,
    // digits most often; some pieces are digits of other scripts in UTF-8.
    std::string numberLike(std::size_t maxLength) {
        static const std::vector<std::string> pieces = {"0",
                                                        "1",
                                                        "2",
                                                        "3",
                                                        "4",
                                                        "5",
                                                        "6",
                                                        "7",
                                                        "8",
                                                        "9",
                                                        "0",
                                                        "5",
                                                        "9",
                                                        "1",
                                                        ",",
                                                        ".",
                                                        "+",
                                                        "-",
                                                        " ",
                                                        "\t",
                                                        "e",
                                                        "E",
                                                        "x",
                                                        "a",
                                                        std::string(1, '\0'),
                                                        "\n",
                                                        "\xd9\xa1",
                                                        "\xef\xbc\x95",
                                                        "\xc2\xa0",
                                                        "%",
                                                        "&H"};
        std::string s;
        const std::size_t n = below(maxLength + 1);
        for (std::size_t i = 0; i < n; ++i)
            s += pieces[below(pieces.size())];
        return s;
    }

    std::string digits(std::size_t n) {
        std::string s(n, '0');
        for (char& c : s)
            c = static_cast<char>('0' + between(0, 9));
        return s;
    }

    std::string blanks() {
        std::string s;
        for (std::size_t n = below(3); n > 0; --n)
            s += chance(50) ? ' ' : '\t';
        return s;
    }

  private:
    std::mt19937_64 engine_;
};

// A number with a value known by construction: whole part w, then a fraction
// that is exactly a half, below it, above it, zero or absent.
struct Built {
    std::string text;
    std::string unsignedText; // without blanks and sign
    Value value;
};

Built buildNumber(Generator& g) {
    const int whole = g.between(0, kWholeBeyondRange);
    const bool negative = g.chance(40);
    std::string fraction;
    int rounded = whole;
    switch (g.below(6)) {
    case 0: // no separator
        break;
    case 1: // a separator with nothing or zeros after it
        fraction = std::string(g.below(4), '0');
        break;
    case 2: // exactly a half: the even neighbour
        fraction = std::string(1, '5').append(g.below(6), '0');
        rounded = whole % 2 == 0 ? whole : whole + 1;
        break;
    case 3: // just below a half
        fraction = std::string(1, '4').append(g.below(30), '9');
        break;
    case 4: // just above a half
        fraction = std::string(1, '5').append(g.below(30), '0').append(1, '1');
        rounded = whole + 1;
        break;
    default: // anything from 0.6 up to just below 1
        fraction = std::to_string(g.between(6, 9)) + g.digits(g.below(8));
        rounded = whole + 1;
        break;
    }
    const bool withSeparator = !fraction.empty() || g.chance(30);
    std::string number = std::string(g.below(3), '0') + std::to_string(whole);
    if (whole == 0 && withSeparator && g.chance(30))
        number.clear(); // ",5" stands for 0,5
    if (withSeparator)
        number += (g.chance(50) ? "," : ".") + fraction;

    const int value = negative ? -rounded : rounded;
    Built b;
    b.unsignedText = number;
    b.text = g.blanks() + (negative ? "-" : (g.chance(20) ? "+" : "")) + number + g.blanks();
    if (value >= -32768 && value <= 32767)
        b.value = static_cast<std::int16_t>(value);
    return b;
}

} // namespace

class TestAnswerValueProperties : public QObject {
    Q_OBJECT
  private slots:
    void anyBytesAgreeWithTheReference();
    void numberLikeTextsAgreeWithTheReference();
    void builtNumbersRoundHalfToEven();
    void shortNumbersAgreeWithLongDoubleRounding();
    void blanksSignsAndZerosKeepTheValue();
    void veryLongTextsAreJudgedWithoutOverflow();
};

void TestAnswerValueProperties::anyBytesAgreeWithTheReference() {
    Generator g;
    for (int i = 0; i < kByteCases; ++i) {
        const std::string text = g.bytes(kMaxByteLength);
        EXPECT_VALUE(text, answerValue(text), referenceAnswerValue(text));
    }
}

void TestAnswerValueProperties::numberLikeTextsAgreeWithTheReference() {
    Generator g;
    int numbers = 0;
    for (int i = 0; i < kAlphabetCases; ++i) {
        const std::string text = g.numberLike(kMaxAlphabetLength);
        const Value expected = referenceAnswerValue(text);
        numbers += expected ? 1 : 0;
        EXPECT_VALUE(text, answerValue(text), expected);
    }
    // The generator must reach both sides of the grammar to test anything.
    QVERIFY2(numbers > kAlphabetCases / 50, QByteArray::number(numbers).constData());
    QVERIFY(numbers < kAlphabetCases / 2);
}

void TestAnswerValueProperties::builtNumbersRoundHalfToEven() {
    Generator g;
    for (int i = 0; i < kBuiltCases; ++i) {
        const Built b = buildNumber(g);
        EXPECT_VALUE(b.text, answerValue(b.text), b.value);
        // The reference must know these too, or its agreement above means little.
        EXPECT_VALUE(b.text, referenceAnswerValue(b.text), b.value);
    }
}

void TestAnswerValueProperties::shortNumbersAgreeWithLongDoubleRounding() {
    // With at most 5 whole and 12 fraction digits a long double holds the
    // number closely enough that no tie can be mistaken, and rintl rounds
    // halves to even in the default rounding mode.
    QCOMPARE(std::fegetround(), FE_TONEAREST);
    Generator g;
    for (int i = 0; i < kBuiltCases; ++i) {
        const std::string whole = g.digits(g.below(6));
        const std::string fraction = g.chance(30) ? "5" : g.digits(g.below(13));
        const bool negative = g.chance(50);
        if (whole.empty() && fraction.empty())
            continue;
        const std::string text = (negative ? "-" : "") + whole + "," + fraction;
        const std::string cText = (negative ? "-" : "") + (whole.empty() ? "0" : whole) + "." +
                                  (fraction.empty() ? "0" : fraction);
        const long double rounded = std::rint(std::strtold(cText.c_str(), nullptr));
        Value expected;
        if (rounded >= -32768 && rounded <= 32767)
            expected = static_cast<std::int16_t>(rounded);
        EXPECT_VALUE(text, answerValue(text), expected);
    }
}

void TestAnswerValueProperties::blanksSignsAndZerosKeepTheValue() {
    Generator g;
    for (int i = 0; i < kBuiltCases; ++i) {
        const Built b = buildNumber(g);
        const Value v = answerValue(b.unsignedText);
        const std::string padded = " \t" + b.unsignedText + "\t ";
        EXPECT_VALUE(padded, answerValue(padded), v);
        EXPECT_VALUE("+" + b.unsignedText, answerValue("+" + b.unsignedText), v);
        EXPECT_VALUE("000" + b.unsignedText, answerValue("000" + b.unsignedText), v);
        if (b.unsignedText.find_first_of(",.") != std::string::npos)
            EXPECT_VALUE(b.unsignedText + "000", answerValue(b.unsignedText + "000"), v);
        // Halves to even round the same way on both sides of zero.
        if (v)
            EXPECT_VALUE("-" + b.unsignedText, answerValue("-" + b.unsignedText),
                         Value(static_cast<std::int16_t>(-*v)));
    }
}

void TestAnswerValueProperties::veryLongTextsAreJudgedWithoutOverflow() {
    const std::string nines(kLongInput, '9');
    const std::string zeros(kLongInput, '0');
    const std::string blanks(kLongInput, ' ');
    const std::vector<std::pair<std::string, Value>> cases = {
        {nines, std::nullopt},
        {"-" + nines, std::nullopt},
        {zeros + "7", Value(7)},
        {"-" + zeros + "32768", Value(-32768)},
        {zeros + "32768", std::nullopt},
        {"2," + zeros + "1", Value(2)},
        {"2,5" + zeros + "1", Value(3)},
        {"2,5" + zeros, Value(2)},
        {"3,4" + nines, Value(3)},
        {"0," + nines, Value(1)},
        {blanks + "12" + blanks, Value(12)},
        {blanks, std::nullopt},
        {std::string(kLongInput, ','), std::nullopt},
        {std::string(kLongInput, '-') + "1", std::nullopt},
        {std::string(kLongInput, '\xff'), std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_VALUE(text.substr(0, 20), answerValue(text), expected);
        EXPECT_VALUE(text.substr(0, 20), referenceAnswerValue(text), expected);
    }
}

QTEST_APPLESS_MAIN(TestAnswerValueProperties)
#include "tst_answervalue_property.moc"
