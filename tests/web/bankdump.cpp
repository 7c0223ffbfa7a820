// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, as JSON, what the web page's tests check the page against, taken from the
// core itself: every question of the bank with its kind, text and answer; the grade a
// series earns for each number of wrong answers and its row of dots; the names of
// the rows of dots. So the tests in JavaScript never write the bank a second time.
#include "core/exercise/modulo1.h"
#include "core/forms/classificadesign.h"
#include "core/results/classificalogic.h"

#include <iostream>
#include <string>

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace

int main() {
    Modulo1 m;
    riempiDomande(m);
    std::cout << "{\"questions\": [\n";
    for (int r = 0; r < Modulo1::kQuestions; ++r) {
        std::cout << (r ? ",\n" : "") << "  {\"row\": " << r
                  << ", \"kind\": " << cellNumber(m.domande(r, 0))
                  << ", \"text\": " << quoted(cellText(m.domande(r, 1)))
                  << ", \"answer\": " << cellNumber(m.soluzioni(r, 1)) << "}";
    }
    // One more than the worst grade's count of errors shows that it is the last.
    std::cout << "\n], \"grades\": [\n";
    for (int errors = 0; errors <= int(kGiudizi.size()); ++errors) {
        const auto row = rigaDelGiudizio(giudizioPerErrori(errors));
        std::cout << (errors ? ",\n" : "") << "  {\"errors\": " << errors << ", \"row\": " << *row
                  << ", \"word\": " << quoted(aspettiGradi()[std::size_t(*row)].parola) << "}";
    }
    std::cout << "\n], \"dotRows\": [";
    for (std::size_t i = 0; i < classifica::circleRows().size(); ++i)
        std::cout << (i ? ", " : "") << quoted(std::string(classifica::circleRows()[i].name));
    std::cout << "], \"dotsPerRow\": " << classifica::kCircles << "}\n";
}
