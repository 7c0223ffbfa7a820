// The fixed bank of 42 questions, one line a question, in row order.
// Columns of `domande`: 0 kind, 1 text, 2..8 by kind (answer captions for kind 3,
// unit counts and frame value for kinds 5 and 6); `soluzioni` column 1 is the
// expected answer.
#include "exercise/modulo1.h"

#include <array>
#include <string>
#include <vector>

namespace {

struct BankRow {
    int kind;
    const char* text;
    std::vector<const char*> captions; // kind 3: columns 2, 3, 4
    std::vector<int> numbers;          // kind 5: columns 2..4; kind 6: columns 2..8
    int expected;
};

// clang-format off
const std::vector<BankRow> kBank = {
    {1, "Quante unità frazionarie ci sono nel 1° segmento?", {}, {}, 8},
    {1, "Quante unità frazionarie ci sono nel 2° segmento?", {}, {}, 10},
    {1, "Quante unità frazionarie ci sono nel 3° segmento?", {}, {}, 6},
    {2, "Clicca sul segmento che ha 6 unità frazionarie.", {}, {}, 3},
    {2, "Clicca sul segmento che ha 8 unità frazionarie.", {}, {}, 1},
    {2, "Clicca sul segmento che ha 10 unità frazionarie.", {}, {}, 2},
    {2, "Clicca sul segmento che è 10/8 del primo segmento", {}, {}, 2},
    {2, "Clicca sul segmento che è 6/8 del primo segmento", {}, {}, 3},
    {2, "Clicca sul segmento che è 8/10 del secondo segmento", {}, {}, 1},
    {2, "Clicca sul segmento che è 6/10 del secondo segmento", {}, {}, 3},
    {2, "Clicca sul segmento che è 8/6 del terzo segmento", {}, {}, 1},
    {2, "Clicca sul segmento che è 10/6 del terzo segmento", {}, {}, 2},
    {3, "Se il primo segmento misura 80 cm, quanto misura il secondo segmento? ", {"100 cm", "64 cm", "48 cm"}, {}, 1},
    {3, "Se il primo segmento misura 80 cm, quanto misura il terzo segmento? ", {"60 cm", "80 cm", "48 cm"}, {}, 1},
    {3, "Se il primo segmento misura 80 cm, quanto misura il terzo segmento? ", {"64 cm", "100 cm", "60 cm"}, {}, 3},
    {3, "Se il secondo segmento misura 80 cm, quanto misura il terzo segmento? ", {"48 cm", "64 cm", "40 cm"}, {}, 1},
    {3, "Se il primo segmento misura 48 cm, quanto misura l'unità frazionaria? ", {"48 cm", "8 cm", "6 cm"}, {}, 3},
    {3, "Se il secondo segmento misura 48 cm, quanto misura l'unità frazionaria? ", {"8 cm", "4,8 cm", "6 cm"}, {}, 2},
    {3, "Se il terzo segmento misura 48 cm, quanto misura l'unità frazionaria? ", {"4,8 cm", "6 cm", "8 cm"}, {}, 3},
    {4, "La somma del primo segmento con il secondo è 36 cm: ", {}, {}, 2},
    {4, "La somma del primo segmento con il terzo è 14 cm: ", {}, {}, 1},
    {4, "La somma del secondo segmento con il terzo è 48 cm: ", {}, {}, 3},
    {4, "La differenza tra il secondo segmento ed il primo è 14 cm: ", {}, {}, 7},
    {4, "La differenza tra il secondo segmento ed il terzo è 20 cm: ", {}, {}, 5},
    {4, "La differenza tra il primo segmento ed il terzo è 12 cm: ", {}, {}, 6},
    {5, "Quante unità frazionarie ha la base?", {}, {3, 4, 2500}, 4},
    {5, "Quante unità frazionarie ha l'altezza?", {}, {4, 8, 2500}, 4},
    {5, "Quante unità frazionarie ha la differenza tra base e altezza?", {}, {2, 5, 2500}, 3},
    {5, "Quante unità frazionarie ha la somma tra base e altezza?", {}, {6, 3, 2000}, 9},
    {5, "Quante unità frazionarie ha il perimetro?", {}, {3, 4, 2500}, 14},
    {6, "Clicca sul rettangolo che ha l'altezza uguale a tre quinti della base.", {}, {3, 5, 5, 3, 3, 7, 2500}, 1},
    {6, "Clicca sul rettangolo che ha l'altezza uguale a cinque terzi della base.", {}, {3, 5, 5, 3, 3, 7, 2500}, 2},
    {6, "Clicca sul rettangolo che ha l'altezza uguale a tre settimi della base.", {}, {3, 5, 7, 3, 3, 7, 2500}, 3},
    {6, "Clicca sul rettangolo che ha la base uguale a quattro terzi dell'altezza.", {}, {3, 4, 4, 3, 3, 5, 2500}, 1},
    {6, "Clicca sul rettangolo che ha l'altezza uguale al doppio della base.", {}, {6, 4, 2, 1, 1, 2, 2500}, 2},
    {6, "Clicca sul rettangolo che ha l'altezza uguale alla metà della base.", {}, {2, 1, 1, 3, 1, 2, 2500}, 3},
    {6, "Clicca sul rettangolo che ha la base uguale al triplo dell'altezza.", {}, {3, 6, 1, 3, 3, 1, 2500}, 2},
    {6, "Clicca sul rettangolo che ha l'altezza uguale ad un terzo della base.", {}, {6, 2, 3, 1, 1, 3, 2500}, 3},
    {6, "Clicca sul rettangolo che ha l'altezza uguale a sette mezzi della base.", {}, {7, 2, 2, 7, 4, 1, 2500}, 1},
    {6, "Clicca sul rettangolo che ha la base uguale a tre ottavi dell'altezza.", {}, {3, 8, 8, 3, 3, 5, 2500}, 2},
    {6, "Clicca sul rettangolo che ha l'altezza uguale a due decimi del perimetro.", {}, {2, 3, 3, 2, 2, 8, 2500}, 1},
    {6, "Clicca sul rettangolo che ha la base uguale a tre decimi del perimetro.", {}, {3, 7, 3, 2, 2, 3, 2500}, 3},
};
// clang-format on

} // namespace

void riempiDomande(Modulo1& m) {
    for (int r = 0; r < static_cast<int>(kBank.size()); ++r) {
        const BankRow& row = kBank[static_cast<std::size_t>(r)];
        m.domande(r, 0) = integer(row.kind);
        m.domande(r, 1) = std::string(row.text);
        // Columns 2..5 that a kind leaves unused hold the empty string; 6..8 stay empty.
        for (int c = 2; c <= 5; ++c)
            m.domande(r, c) = std::string();
        for (std::size_t i = 0; i < row.captions.size(); ++i)
            m.domande(r, 2 + static_cast<int>(i)) = std::string(row.captions[i]);
        for (std::size_t i = 0; i < row.numbers.size(); ++i)
            m.domande(r, 2 + static_cast<int>(i)) = integer(row.numbers[i]);

        for (int c = 0; c < m.soluzioni.cols(); ++c)
            m.soluzioni(r, c) = std::string();
        m.soluzioni(r, 1) = integer(row.expected);
    }
}
